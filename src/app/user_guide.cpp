#include "app/user_guide.h"
#include <QCoreApplication>

namespace folio::app {

QString userGuideText() {
    return QStringLiteral(R"(
<h2>Folio in five steps</h2>
<p>Folio keeps the books of a small corporation in one accounts file. The tabs along the top
are the steps of a month's work, from left to right.</p>

<h3>1. Select or create your books</h3>
<p>Choose <b>File, Select File</b> (Ctrl+O) and pick your accounts file. To start new books,
type the name of a file that does not exist yet: Folio offers an empty chart, a service
corporation's chart or a merchandising corporation's chart. <b>File, Open Recent</b> lists
the last eight books you opened. The status bar always shows which file is open.</p>

<h3>2. Set up the chart of accounts</h3>
<p>On <b>Setup General Kestrow</b> each account is one record: a name, a type code and two
balances (the current month and the year to date). Pick a standard name from the list or
type your own, then pick the type from the type list, which saves the record at once.
<b>New</b> adds an account, <b>Previous</b> and <b>Next</b> move through the chart,
<b>Search</b> finds an account by name, <b>Delete</b> removes the one shown and
<b>Close</b> saves it and shows the trial balance.</p>

<h3>3. Post debits and credits</h3>
<p>On <b>Post to General Kestrow</b> choose an account in the grid (the arrow keys move the
highlighted account; Tab goes on to the boxes), type the amount in <b>Debit</b> or
<b>Credit</b>, not both, and press Enter or choose <b>Post to this account</b>. Both
balances of the account change at once. The <b>Date</b> and <b>Memo</b> are kept with the
posting in the journal. Post both sides of every transaction, so the books stay in
balance; <b>Balanced Entry</b> (below) posts both sides at once.</p>
<p>Every date box, and <code>--date</code> on the command line, reads a date the same ways:
1/5/2026, 1/5/26, 2026-01-05 or January 5, 2026.</p>

<h3>4. Read the statements</h3>
<p>First fill in <b>Company Information</b>: the company name, the date of the statements and
the type of business (for a merchandising business Folio also asks for the ending
inventory). Then read the statements in order, since each one uses the figures of the one
before: <b>Trial Balance</b> (debits must equal credits), <b>Income Statement</b> (net
income), <b>Stockholders Equity</b> (ending retained earnings) and <b>Balance Sheet</b>
(assets equal liabilities plus equity). Each statement has a <b>Print</b> button, which
shows a preview first; <b>File, Export</b> writes a statement to a PDF file (the printed
page, without a printer) or to a CSV file for a spreadsheet.</p>

<h3>5. Close the month or the year</h3>
<p>After reading the balance sheet, tick <b>Close monthly books</b> (or <b>Close yearly
books</b> at the end of the year). Folio writes a closed copy beside your file, named
<i>your file</i> closed monthly (or closed ytd), in which revenue, returns, purchases and
expenses start again at zero and retained earnings carries the period's result. Your own
file is not changed. Select the closed copy to work on the next month.</p>

<h3>Closed periods stay closed</h3>
<p>Once closed, the books you closed are locked whole: a posting, a balanced entry, a
change on the setup tab, a new or deleted account, a reversal, Undo and Redo are all
refused, with a message that names the closing and its closed copy. You can still read,
print and export them. Post the next period's work in the closed copy. The closed copy
itself starts the day after the date of the statements: an entry dated on or before that
day is refused, and Folio offers to date it the day after instead.</p>
<p><b>Journal, Lock Books Through</b> locks a period without closing it, for example once
the quarter's taxes are filed: no entry may then be dated on or before the date you give.
A change of an account's balance on the setup tab counts as an entry dated today; a new
account with no balances, or a new name, is always allowed. The lock date only moves
forward.</p>
<p><b>Journal, Reopen Period</b> opens closed or locked books again. Folio asks why; the
reason is kept in the journal with your login name and the time, and every statement of
the reopened books, printed or exported, carries the line <i>Reopened on (date) by (user):
(reason)</i> under its heading. The books stay open until they are closed or locked
again.</p>
<p>When you correct reopened books after their closing, the closed copy no longer follows
from them. <b>Journal, Carry the Changes into</b> <i>(the closed copy)</i> closes your books
as they were and as they are now, and records the difference in the closed copy as one
prior-period adjustment, dated the day after its closed period: a corrected sale reaches
the copy's retained earnings (and, after a monthly closing, the sales account's year to
date). The postings already made in the copy stay. Then your books are closed again.</p>
<p>Every entry of the journal records who made it and is sealed to the one before, so a
changed or deleted entry shows. <code>folio --verify books.dat</code> checks the seals and
that the journal gives the accounts file byte for byte; <code>folio --verify
postgresql://sam@dbhost/firm</code> checks that no entry of server books is missing and that
their entries give the server's accounts byte for byte.</p>

<h3>Where a period begins, and the statement of cash flows</h3>
<p>A closed copy's period begins at its closing: the journal of the closed copy starts with
an entry holding every account as the closing wrote it, and names the file it was closed
from, which holds the period before. Books that were never closed begin at their journal's
opening entry, written when Folio first opened them. <b>Cash Flows</b>, beside the balance
sheet, compares the accounts now with that beginning (indirect method): net income,
adjusted for items that moved no cash (accumulated depreciation) and for the changes in
current assets other than cash and in current liabilities, then investing and financing
activities, the net change in cash, and cash at the beginning and the end. The last line
checks that the net change equals the change in the cash accounts. The first time, Folio asks
where each account belongs (<b>Classes</b> opens the list again): an asset named cash, bank or
petty cash is cash, another asset current, accumulated depreciation an adjustment, a liability
current, capital stock and dividends financing; mark equipment and buildings as investing and
long-term notes as financing. Equipment bought on account, in one balanced entry without a
cash line, is listed apart as investing without cash.</p>

<h3>Comparing with the prior period</h3>
<p>Under each statement's tab, <b>Compare with prior period</b> (Alt+W, or <b>File, Compare
with Prior Period</b>) shows every line of the statement now beside the prior period, with
the change and the change in percent (blank where the prior figure is zero); printouts and
exports then compare too. The prior period is the file the books were closed from, as it
ended at that closing. <b>Prior books</b> (Alt+K) offers the periods before that one, as far
as the closed copies lead back, and <b>Other closed copy...</b> any other books that were
closed. The line beside it, and each comparative printout, says which file and closing the
prior column comes from; when those books were changed after their closing, it says so and
when, and shows them as they are now. On the command line, <code>--compare</code> or
<code>--compare-with BOOKS</code> does the same.</p>

<h3>The journal: Undo, Redo and Reverse</h3>
<p>Every change of the books (a posting, a setup edit, a new or deleted account, a balanced
entry, a closing) is recorded in the journal kept beside the accounts file.
<b>Journal, Show Journal</b> (Ctrl+J) lists the entries, newest first, and can show one
account between two dates.</p>
<p><b>Edit, Undo</b> (Ctrl+Z) takes back the last change of the books and <b>Edit, Redo</b>
(Ctrl+Shift+Z or Ctrl+Y) makes it again; the menu names the change, and shows Redo
greyed when there is nothing to make again. While the box you are typing in has typing
of its own to take back, the menu says <b>Undo Typing</b> and the keys act on the box;
once it has none, they act on the books.</p>
<p>To correct an entry of an earlier session, choose it in the journal window and press
<b>Reverse</b>: Folio asks for the reason and posts the opposite amounts as a new entry,
so both stay on record.</p>

<h3>Balanced Entry</h3>
<p><b>Journal, Balanced Entry</b> (Ctrl+B) posts a whole transaction as one entry: a date,
a memo and two lines or more, each an account with a debit or a credit. Each account is
shown with its type code and record number, so two accounts of one name can be told
apart. <b>Add Line</b> (Alt+A) adds a line and puts you in its account box. <b>Post
Entry</b> is available once the debits equal the credits to the cent; the line under the
grid says what is still missing.</p>

<h3>Exports</h3>
<p><b>File, Export</b> writes a statement to a PDF file or a CSV file. <b>Journal, Export as
CSV</b> writes every entry of the journal for a spreadsheet, and <b>Journal, Export for
hledger or ledger</b> writes it as a plain-text journal that those programs read.</p>

<h3>Type codes</h3>
<p>The first letter of a code is the account's normal balance: D for debit, C for credit.</p>
<table border="1" cellpadding="3" cellspacing="0">
<tr><th>Code</th><th>Accounts</th><th>Where they appear</th></tr>
<tr><td>D1</td><td>Assets (cash, receivables, supplies, equipment)</td><td>Balance sheet</td></tr>
<tr><td>D1I</td><td>Merchandise inventory</td><td>Balance sheet; cost of goods sold</td></tr>
<tr><td>C1</td><td>Accumulated depreciation</td><td>Balance sheet, less its asset</td></tr>
<tr><td>C2</td><td>Liabilities (payables, taxes owed)</td><td>Balance sheet</td></tr>
<tr><td>C3C</td><td>Common (capital) stock</td><td>Stockholders' equity</td></tr>
<tr><td>C3</td><td>Retained earnings</td><td>Stockholders' equity</td></tr>
<tr><td>D3</td><td>Dividends</td><td>Stockholders' equity, less retained earnings</td></tr>
<tr><td>C4</td><td>Revenue (sales, other income)</td><td>Income statement</td></tr>
<tr><td>D4</td><td>Sales returns and allowances</td><td>Income statement, less sales</td></tr>
<tr><td>D5</td><td>Purchases</td><td>Cost of goods sold</td></tr>
<tr><td>C5</td><td>Purchase returns and allowances</td><td>Cost of goods sold, less purchases</td></tr>
<tr><td>D6</td><td>Expenses</td><td>Income statement</td></tr>
</table>

<h3>Bank statements: import, rules and reconciliation</h3>
<p><b>File, Import Bank Statement...</b> reads the statement your bank gives you: OFX, QFX,
QIF or CSV. Choose the file and the bank account it is of. For a CSV file Folio reads the
columns from its first row; if it cannot, it asks which columns hold the date, the
description and the amount (or the debit and credit), and remembers them for that bank.
When the dates could be month/day or day/month (03/04/2026), Folio asks; it never guesses.</p>
<p>Before anything is written, the preview lists every line: its date, description,
amount, the rule that matched, the other account, and whether it is new, a duplicate or a
possible duplicate, with the reason. A line your bank already sent (the same transaction
id, or the same date, amount and description) is left out; a line of the same amount within
three days is a possible duplicate: tick it if it is really new. A line no rule matched is
left out until you pick its account in the Account column. <b>Import</b> writes only the
ticked lines: each is an entry of the bank account against the other account, and the whole
statement is one step of <b>Edit, Undo</b>. Importing the same file again changes
nothing and says so.</p>
<p><b>File, Bank Rules...</b> keeps the rules, in order; the first that matches a line
wins. A rule looks for text in the description (or a regular expression), optionally an
amount range and money in or out, and names the other account and, if you like, a memo.
Export and Import there move the rules to other books; <code>folio --import</code> uses
them from a script.</p>
<p><b>Journal, Reconcile Account...</b> checks the books against the bank: choose the
account, type the statement's end date and ending balance, and press List Lines. Tick each
line that appears on the statement; the cleared balance and the difference follow. Finish is
possible only when the difference is 0.00, and records who reconciled what and when. A line
cleared by a reconciliation can no longer be undone, only reversed. When the figures do not
agree, What Changed lists every entry in that account since the last reconciliation.
<b>Print...</b> and <b>Export PDF...</b> give the reconciliation report as the lines stand
ticked: the balances, the cleared lines and those still outstanding. After Finish the
window stays on the finished reconciliation, its ticks fixed, so you can print it to file
with the statement.</p>

<h3>Books on a PostgreSQL server</h3>
<p>When several people keep the same books, they can live in a PostgreSQL database. Choose
<b>File, Open Server Books...</b> and type the address, such as
<code>postgresql://sam@dbhost/firm</code> (add <code>#NAME</code> for a set of books other
than <i>books</i>), or start Folio with that address. Every tab works as with a file; the
status bar shows the address. Each change goes to the server at once, as one transaction:
a posting made while someone else posted is simply posted again on the books as they are
now, and any other change made on books someone changed meanwhile is refused with a
message, so you can look again. What others post appears on the statements within a
second; a tab where you are typing shows it when you come back to it.</p>
<p>A bookkeeper posts; a supervisor also closes, locks and reopens. A closing writes the
closed copy as another set of books in the same database (<i>books</i> closed monthly),
listed by its address when the books are closed; a supervisor carries a reopened period's
changes into it with <b>Journal, Carry the Changes into the Closed Copy</b>, and
<b>Compare with Prior Period</b> on a closed copy compares it with the books it was closed
from. <b>Prior books</b> follows the closed copies back as far as they go, and <b>Other
closed copy...</b> lists the books closed before in the same database. Undo takes back only
your own latest change; reverse another's. Bank statements, bank rules and reconciliations
go to the server as every other change does; a statement another user imported at the same
moment is not imported twice. A change of the company values, bank rules or cash-flow
classes reaches the other windows within a second too. When a new Folio says the database
was set up by an older one, its owner runs <code>folio --setup-server</code> on it again;
the books stay.</p>

<h3>Printing and export from a script</h3>
<p><code>folio --export balance-sheet books.dat out.pdf --company "Kestrow Supply Co."
--date 3/31/2024</code> writes a statement without opening a window (of server books too:
<code>folio --export balance-sheet postgresql://sam@dbhost/firm out.pdf</code>); <code>folio --import
march.ofx books.dat --account Cash --dry-run</code> shows what a statement would import;
<code>folio --help</code> lists every option.</p>
)");
}

QString shortcutsText() {
    return QStringLiteral(R"(
<h3>Keyboard shortcuts</h3>
<table cellpadding="3">
<tr><td><b>Ctrl+O</b></td><td>Select File (open or create books)</td></tr>
<tr><td><b>Ctrl+Q</b></td><td>Exit</td></tr>
<tr><td><b>F1</b></td><td>This user guide</td></tr>
<tr><td><b>Ctrl+Z</b></td><td>Undo: the typing in the box, or else the last change of the
books</td></tr>
<tr><td><b>Ctrl+Shift+Z</b>, <b>Ctrl+Y</b></td><td>Redo</td></tr>
<tr><td><b>Ctrl+J</b></td><td>Show the journal</td></tr>
<tr><td><b>Ctrl+B</b></td><td>Balanced Entry</td></tr>
<tr><td><b>Enter</b> in Debit, Credit, Date or Memo</td><td>Post to the chosen account</td></tr>
<tr><td><b>Ctrl+Tab</b>, <b>Ctrl+Shift+Tab</b></td><td>Next and previous tab</td></tr>
<tr><td><b>Tab</b>, <b>Shift+Tab</b></td><td>Next and previous box or button</td></tr>
<tr><td><b>Alt</b> + underlined letter</td><td>The button, box or menu of that letter</td></tr>
<tr><td><b>Up</b>, <b>Down</b> in a grid</td><td>Move the highlighted account</td></tr>
<tr><td><b>Space</b> on a button or check box</td><td>Press it</td></tr>
<tr><td><b>Page Up</b>, <b>Page Down</b></td><td>Previous and next page in the print preview</td></tr>
<tr><td><b>Ctrl++</b>, <b>Ctrl+-</b></td><td>Zoom the print preview in and out</td></tr>
</table>
)");
}

QString aboutText() {
    return QStringLiteral("<h3>Folio %1</h3>"
                          "<p>Double-entry bookkeeping for a small corporation: a chart of "
                          "accounts, postings, the four statements and the monthly and yearly "
                          "closings, all kept in one accounts file.</p>"
                          "<p>Built with Qt %2.</p>")
        .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion()));
}

} // namespace folio::app
