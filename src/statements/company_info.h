#pragma once
#include "data/money.h"
#include <QString>
#include <optional>

namespace folio::statements {

// The type of business decides the form of the income statement.
enum class Business { Unknown, Merchandising, Service };

// What the company information tab holds: the inputs of the statements besides the
// accounts file itself.
struct CompanyInfo {
    QString name;
    QString date; // the date of the statements, as typed (checked when the box is left)
    Business business = Business::Unknown;
    // The ending inventory of the period; unset until the user enters it.
    std::optional<Money> endingInventory;
    // Under the heading of statements of books whose closed period was reopened:
    // "Reopened on <date> by <user>: <reason>"; empty otherwise.
    QString reopened = QString();
    bool operator==(const CompanyInfo&) const = default;
};

} // namespace folio::statements
