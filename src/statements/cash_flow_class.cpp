#include "statements/cash_flow_class.h"
#include <QRegularExpression>

namespace folio::statements {

bool hasCashFlowClass(const QString& type) {
    for (const char* code : {"D1", "C1", "C2", "C3C", "C3", "D3"}) {
        if (type == QLatin1String(code)) {
            return true;
        }
    }
    return false;
}

CashFlowClass defaultCashFlowClass(const QString& name, const QString& type) {
    static const QRegularExpression cashName(QStringLiteral("\\b(cash|bank|checking|savings)\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (type == QLatin1String("D1")) {
        return cashName.match(name).hasMatch() ? CashFlowClass::Cash : CashFlowClass::CurrentAsset;
    }
    if (type == QLatin1String("C2")) {
        return CashFlowClass::CurrentLiability;
    }
    if (type == QLatin1String("C3C") || type == QLatin1String("D3")) {
        return CashFlowClass::Financing;
    }
    return CashFlowClass::NonCashAdjustment;
}

CashFlowClass cashFlowClassOf(const QString& name, const QString& type,
                              const CashFlowClasses& chosen) {
    const auto found = chosen.find(name);
    return found != chosen.end() ? found->second : defaultCashFlowClass(name, type);
}

QString cashFlowClassTitle(CashFlowClass kind) {
    switch (kind) {
    case CashFlowClass::Cash:
        return QStringLiteral("Cash");
    case CashFlowClass::CurrentAsset:
        return QStringLiteral("Current asset");
    case CashFlowClass::CurrentLiability:
        return QStringLiteral("Current liability");
    case CashFlowClass::NonCashAdjustment:
        return QStringLiteral("Non-cash adjustment");
    case CashFlowClass::Investing:
        return QStringLiteral("Investing");
    case CashFlowClass::Financing:
        return QStringLiteral("Financing");
    }
    return {};
}

std::optional<CashFlowClass> cashFlowClassTitled(const QString& title) {
    for (CashFlowClass kind : kCashFlowClasses) {
        if (cashFlowClassTitle(kind) == title) {
            return kind;
        }
    }
    return std::nullopt;
}

} // namespace folio::statements
