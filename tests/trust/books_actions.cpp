#include "books_actions.h"
#include "posting/posting_tab.h"
#include <QDir>
#include <QFile>
#include <QTabWidget>

std::vector<AccountRecord> smallChart() {
    return {account("Cash", "D1", "5000", "15000"),
            account("Accounts Receivable", "D1", "1200", "3400"),
            account("Accumulated Depreciation", "C1", "300", "900"),
            account("Accounts Payable", "C2", "800", "950"),
            account("Capital Stock", "C3C", "10000", "10000"),
            account("Retained Earnings", "C3", "2500", "1500"),
            account("Fees Earned", "C4", "4000", "12000"),
            account("Rent Expense", "D6", "1000", "3000"),
            account("Wages Expense", "D6", "2400", "7000"),
            AccountRecord::blank()};
}

void ActionsFixture::reselect(const QString& file) {
    selectFile(file);
}

void ActionsFixture::enterFresh(int tab) {
    showTab(2);
    showTab(tab);
}

void ActionsFixture::fillCompany() {
    enterFresh(7);
    setText("txtCompany", "Kestrow Supply Company");
    setText("txtDateOfStatements", "12/31/2026");
    click("optService");
}

void ActionsFixture::enterStatements() {
    enterFresh(3);
    for (int tab : {4, 5, 6}) {
        showTab(tab);
    }
}

void ActionsFixture::preparePosting(int row, const QString& debit) {
    enterFresh(1);
    static_cast<PostingTab*>(window->tabControl()->widget(1))->MSFlexGrid3_Click(row);
    setText("txtPostDebit", debit);
}

void ActionsFixture::post() {
    click("cmdOKPost");
}

void ActionsFixture::chooseRecord(int record) {
    enterFresh(0);
    for (int r = 1; r < record; ++r) {
        click("cmdNext");
    }
}

void ActionsFixture::deleteShown() {
    dialogs.yesNoAnswers.push_back(true);
    click("cmdDelete");
}

void ActionsFixture::closeBooks(bool yearly) {
    click(yearly ? "chkYearly" : "chkMonthly");
}

QStringList ActionsFixture::temporaryFiles() const {
    return QDir(dir.path()).entryList({"*.tmp", "*.TMP", "*.TMP~"}, QDir::Files);
}

std::vector<WritingAction> ActionsFixture::writingActions() {
    const QString books = path("books.dat");
    const auto fresh = [this, books] {
        QFile::remove(books + " closed monthly");
        QFile::remove(books + " closed ytd");
        writeAccounts(books, smallChart());
        reselect(books);
    };
    const auto closing = [this, fresh] {
        fresh();
        fillCompany();
        enterStatements();
    };
    const auto atRecord = [this, fresh](int record) {
        return [this, fresh, record] {
            fresh();
            chooseRecord(record);
        };
    };
    return {
        {"save",
         [this, fresh] {
             fresh();
             enterFresh(0);
             setText("txtAcctName", "Petty Cash");
         },
         [this] { click("cmdNext"); },
         books,
         {}},
        {"new", atRecord(1), [this] { click("cmdNew"); }, books, {}},
        {"post",
         [this, fresh] {
             fresh();
             preparePosting(2, "250");
         },
         [this] { post(); },
         books,
         {}},
        {"delete", atRecord(3), [this] { deleteShown(); }, books, {}},
        {"monthly closing", closing, [this] { closeBooks(false); }, books + " closed monthly",
         books},
        {"yearly closing", closing, [this] { closeBooks(true); }, books + " closed ytd", books},
    };
}
