#include <QString>

#include "ui/Application.h"
#include "ui/Conv.h"
#include "ui/Fversioninfo.h"

// The program: the main window and the hidden About window, until the main window is closed.
int main(int argc, char* argv[]) {
  Application application(argc, argv);
  return application.RunEntry([&application] {
    application.SetTitle(QStringLiteral("ソラナギ？"));
    application.CreateForm(frmConv);
    application.CreateForm(frmVersionInfo);
    frmConv->show();
    Application::exec();
  });
}
