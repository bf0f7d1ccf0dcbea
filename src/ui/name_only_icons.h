#pragma once
#include <QFileIconProvider>

namespace folio::ui {

// Icons and type names for the file dialogs, told from the name alone. Qt's own provider
// reads a file's first bytes to guess its type, and closing that descriptor ends every
// lock this process holds on the file: the journal's database would lose SQLite's locks
// for the rest of the session, and another program could then remove its log.
class NameOnlyIcons : public QFileIconProvider {
  public:
    QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

} // namespace folio::ui
