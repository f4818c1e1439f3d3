#pragma once

#include <QApplication>
#include <QString>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

// The application object: it owns the program's windows from their creation to its own end,
// carries the title that the error display shows, and shows every error that escapes an event
// handler instead of letting it end the program.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  ~Application() override;

  static Application* instance() { return static_cast<Application*>(QApplication::instance()); }

  const QString& Title() const { return title_; }
  // The title is not Qt's application display name: Qt's X11 windows would append that to the
  // title of every window, the failure box and the About window included.
  void SetTitle(const QString& title) { title_ = title; }

  // Creates a window that lives until the application object ends, into the given global.
  template <class Form>
  void CreateForm(Form*& form) {
    auto created = std::make_unique<Form>();
    form = created.get();
    forms_.push_back(std::move(created));
  }

  // Runs the entry's steps and ends with exit code 0, after showing an error that escapes them.
  int RunEntry(const std::function<void()>& steps);

  // The error display: the error's text in a box with the title as caption and an error icon.
  void ShowException(const std::exception& error);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  QString title_;
  std::vector<std::unique_ptr<QWidget>> forms_;
};
