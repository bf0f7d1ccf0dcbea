#pragma once
#include <QDate>
#include <QString>
#include <optional>
#include <stdexcept>

namespace folio {

// A change the books' rules refuse, with the words the user sees. Nothing was written.
// A refusal of a date may offer another one (the day after a locked period) that a
// writer letting the user date the change can propose instead.
class Refusal : public std::runtime_error {
  public:
    explicit Refusal(const QString& words, std::optional<QDate> offered = std::nullopt)
        : std::runtime_error("refused"), words_(words), offered_(offered) {}
    const QString& words() const { return words_; }
    const std::optional<QDate>& offered() const { return offered_; }
    // The words with the offer of the other date, as a question.
    QString question() const {
        return offered_ ? words_ + QStringLiteral("\n\nDate the entry %1 instead?")
                                       .arg(offered_->toString(QStringLiteral("M/d/yyyy")))
                        : words_;
    }

  private:
    QString words_;
    std::optional<QDate> offered_;
};

} // namespace folio
