#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace korvanti {

enum class DialogAnswer { Yes, No, Cancel };

// Every message box and question of the program goes through here, so that
// tests answer questions without a real modal box.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void Error(const QString& text) = 0;
  virtual void Information(const QString& text) = 0;
  // "Ja" is true; "Nein" and closing the box are false.
  virtual bool YesNo(const QString& text) = 0;
  // Closing the box is Cancel: nothing happens.
  virtual DialogAnswer YesNoCancel(const QString& text) = 0;
};

// The real boxes, with German buttons whatever translations are installed.
class MessageBoxDialogs final : public Dialogs {
 public:
  explicit MessageBoxDialogs(QWidget* parent = nullptr);
  void Error(const QString& text) override;
  void Information(const QString& text) override;
  bool YesNo(const QString& text) override;
  DialogAnswer YesNoCancel(const QString& text) override;

 private:
  QPointer<QWidget> parent_;
};

// The old texts break their lines with "\n\r"; a box shows one line break.
QString PlainLines(const QString& text);

}  // namespace korvanti
