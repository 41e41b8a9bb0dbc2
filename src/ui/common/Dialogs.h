#pragma once

#include <functional>

#include <QPointer>
#include <QString>
#include <QWidget>

namespace korvanti {

enum class DialogAnswer { Yes, No, Cancel };

// Every message box and question of the program goes through here, so that
// tests answer questions without a real modal box. Nothing here waits: a box
// opens and returns at once, and a question hands its answer to `answered`
// later, exactly once (never, when the box's window goes away unanswered).
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void Error(const QString& text) = 0;
  virtual void Information(const QString& text) = 0;
  // "Ja" is true; "Nein" and closing the box are false.
  virtual void YesNo(const QString& text, std::function<void(bool)> answered) = 0;
  // Closing the box is Cancel: nothing happens.
  virtual void YesNoCancel(const QString& text, std::function<void(DialogAnswer)> answered) = 0;
  // "Ja", "Nein" and a third button `other`, answered as Cancel; closing the box is "Nein".
  virtual void YesNoOther(const QString& text, const QString& other,
                          std::function<void(DialogAnswer)> answered) = 0;
};

// The real boxes, with German buttons whatever translations are installed.
class MessageBoxDialogs final : public Dialogs {
 public:
  explicit MessageBoxDialogs(QWidget* parent = nullptr);
  void Error(const QString& text) override;
  void Information(const QString& text) override;
  void YesNo(const QString& text, std::function<void(bool)> answered) override;
  void YesNoCancel(const QString& text, std::function<void(DialogAnswer)> answered) override;
  void YesNoOther(const QString& text, const QString& other,
                  std::function<void(DialogAnswer)> answered) override;

 private:
  QPointer<QWidget> parent_;
};

// The old texts break their lines with "\n\r"; a box shows one line break.
QString PlainLines(const QString& text);

}  // namespace korvanti
