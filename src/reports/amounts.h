#pragma once
#include "data/account_table.h"
#include "data/money.h"
#include <QString>

// A figure of a statement for the current period and for the year to date.
struct Amounts {
    Money current;
    Money ytd;

    Amounts operator+(const Amounts& other) const {
        return {current + other.current, ytd + other.ytd};
    }
    Amounts operator-(const Amounts& other) const {
        return {current - other.current, ytd - other.ytd};
    }
    Amounts& operator+=(const Amounts& other) { return *this = *this + other; }
    bool operator==(const Amounts&) const = default;
};

// Both balances of an account.
inline Amounts balancesOf(const AccountEntry& entry) {
    return {entry.current, entry.ytd};
}

// The heading texts every printed report starts with.
struct ReportHeading {
    QString company;
    QString date;
};

// The first 20 characters of an account name, as the narrow name columns print it.
inline QString shortName(const QString& name) {
    return name.left(20);
}
