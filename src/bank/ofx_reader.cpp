#include "bank/ofx_reader.h"
#include <QDateTime>
#include <QFile>
#include <cmath>
#include <libofx/libofx.h>

namespace folio::bank {

namespace {

struct Reading {
    std::vector<StatementLine> lines;
    int statements = 0;
    int accounts = 0;
    std::optional<QString> fault;
};

QString textOf(const char* text, int valid) {
    return valid != 0 ? QString::fromUtf8(text).simplified() : QString();
}

// libofx hands the amount as a double; the amount was written with at most a few
// decimals, so taking it to the nearest ten-thousandth gives back the written amount
// exactly. This is the one place a double holds money, and only on its way in.
Money moneyOf(double amount) {
    return Money::fromRaw(std::llround(amount * static_cast<double>(Money::kScale)));
}

int onTransaction(const OfxTransactionData data, void* user) {
    auto* reading = static_cast<Reading*>(user);
    const int place = static_cast<int>(reading->lines.size()) + 1;
    const QString id = textOf(data.fi_id, data.fi_id_valid);
    const auto named = [&](const char* what) {
        return QStringLiteral("transaction %1%2 has no %3")
            .arg(place)
            .arg(id.isEmpty() ? QString() : QStringLiteral(" (FITID %1)").arg(id),
                 QLatin1String(what));
    };
    if (reading->fault) {
        return 0;
    }
    if (data.date_posted_valid == 0) {
        reading->fault = named("date");
        return 0;
    }
    if (data.amount_valid == 0 || !std::isfinite(data.amount) || std::fabs(data.amount) > 1e13) {
        reading->fault = named("amount");
        return 0;
    }
    StatementLine line;
    // The date as the bank wrote it: libofx reads OFX dates as the local time they name.
    line.date = QDateTime::fromSecsSinceEpoch(data.date_posted).date();
    line.description = textOf(data.name, data.name_valid);
    const QString memo = textOf(data.memo, data.memo_valid);
    if (line.description.isEmpty()) {
        line.description = memo;
    }
    line.amount = moneyOf(data.amount);
    line.bankId = id;
    reading->lines.push_back(line);
    return 0;
}

int onStatement(const OfxStatementData, void* user) {
    ++static_cast<Reading*>(user)->statements;
    return 0;
}

int onAccount(const OfxAccountData, void* user) {
    ++static_cast<Reading*>(user)->accounts;
    return 0;
}

} // namespace

std::vector<StatementLine> readOfx(const QString& path) {
    ofx_PARSER_msg = false;
    ofx_DEBUG_msg = false;
    ofx_STATUS_msg = false;
    ofx_INFO_msg = false;
    ofx_WARNING_msg = false;
    ofx_ERROR_msg = false;
    if (!QFile::exists(path)) {
        throw StatementError(faultAt(path, 0, QStringLiteral("the file cannot be read")));
    }
    Reading reading;
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_transaction_cb(context, onTransaction, &reading);
    ofx_set_statement_cb(context, onStatement, &reading);
    ofx_set_account_cb(context, onAccount, &reading);
    libofx_proc_file(context, QFile::encodeName(path).constData(), OFX);
    libofx_free_context(context);
    if (reading.fault) {
        throw StatementError(faultAt(path, 0, *reading.fault));
    }
    if (reading.statements == 0 && reading.accounts == 0 && reading.lines.empty()) {
        throw StatementError(
            faultAt(path, 0, QStringLiteral("this is not a bank statement Folio can read")));
    }
    return reading.lines;
}

} // namespace folio::bank
