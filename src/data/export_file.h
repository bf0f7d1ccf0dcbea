#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

namespace folio {

// Why an export may not go to `output`: it is, or resolves to (through a symbolic or a hard
// link), the books or their journal or its side files (beside the books as named and beside
// the file they resolve to). Empty when the output is free.
std::optional<QString> exportRefusal(const QString& output, const QString& books);

// An export that would write over the books or their journal, with the words the user sees.
class ExportRefused : public std::runtime_error {
  public:
    explicit ExportRefused(const QString& words)
        : std::runtime_error(words.toLocal8Bit().toStdString()), words_(words) {}
    const QString& words() const { return words_; }

  private:
    QString words_;
};

// An export's output, written to a temporary file beside it that is created new (never
// through a planted link or over another file) and renamed over the output only when
// complete, so a cancelled or failed export leaves nothing, and a link named as the output
// is replaced, never written through. Throws ExportRefused when the output is one of the
// books' files, FileError when a step fails. Not committed, it removes its temporary file.
class ExportFile {
  public:
    ExportFile(const QString& path, const QString& books);
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;
    ~ExportFile();

    void write(const QByteArray& bytes);
    void commit();
    void cancel();

  private:
    [[noreturn]] void fail(int error);

    QString path_;
    QString books_;
    QString temporary_;
    int fd_ = -1;
};

} // namespace folio
