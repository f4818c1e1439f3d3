#include "ui/Application.h"

#include <QFont>
#include <QMessageBox>
#include <QStringList>
#include <QWidget>

namespace {

// The windows' fonts, where they are missing, fall back to Japanese proportional sans-serif
// fonts; the windows give them in pixels, so the character height stays what was laid out.
void AddFontFallbacks() {
  const QStringList fallbacks = {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
  QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), fallbacks);
  QFont::insertSubstitutions(QStringLiteral("MS UI Gothic"), fallbacks);
}

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  AddFontFallbacks();
}

// Here, where a window is a complete type; the windows go before Qt's part of the object.
Application::~Application() = default;

int Application::RunEntry(const std::function<void()>& steps) {
  try {
    steps();
  } catch (const std::exception& error) {
    ShowException(error);
  }
  return 0;
}

void Application::ShowException(const std::exception& error) {
  QMessageBox::critical(nullptr, title_, QString::fromUtf8(error.what()));
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowException(error);
    return false;
  }
}
