#include "server/server_schema.h"

namespace folio::server {

namespace {

// Every set of books in the database is a row of folio_books; the accounts keep their
// exact 62 bytes beside the four fields a reader of the database wants. The entries and
// lines mirror the journal beside a books file, column for column, plus who made each.
constexpr const char* kTables = R"sql(
CREATE TABLE IF NOT EXISTS folio_books(
    id serial PRIMARY KEY,
    name text UNIQUE NOT NULL,
    last_seq bigint NOT NULL DEFAULT 0,
    closed_at timestamptz,
    closed_by text,
    closed_into text);
CREATE TABLE IF NOT EXISTS folio_accounts(
    books int NOT NULL REFERENCES folio_books(id),
    record int NOT NULL CHECK (record >= 1),
    name text NOT NULL,
    type text NOT NULL,
    current_balance bigint NOT NULL,
    ytd_balance bigint NOT NULL,
    image bytea NOT NULL CHECK (length(image) = 62),
    PRIMARY KEY(books, record));
CREATE TABLE IF NOT EXISTS folio_entries(
    books int NOT NULL REFERENCES folio_books(id),
    seq bigint NOT NULL,
    made text NOT NULL,
    date text NOT NULL,
    memo text NOT NULL DEFAULT '',
    kind text NOT NULL,
    status int NOT NULL DEFAULT 1,
    reversal_of bigint,
    below bigint NOT NULL DEFAULT 0,
    made_by text NOT NULL DEFAULT current_user,
    PRIMARY KEY(books, seq));
CREATE TABLE IF NOT EXISTS folio_lines(
    books int NOT NULL,
    seq bigint NOT NULL,
    line int NOT NULL,
    record int NOT NULL,
    name text NOT NULL,
    type text NOT NULL,
    debit bigint NOT NULL,
    credit bigint NOT NULL,
    before bytea,
    after bytea,
    PRIMARY KEY(books, seq, line),
    FOREIGN KEY(books, seq) REFERENCES folio_entries(books, seq));
CREATE TABLE IF NOT EXISTS folio_values(
    books int NOT NULL REFERENCES folio_books(id),
    key text NOT NULL,
    value_type text NOT NULL,
    value bytea,
    PRIMARY KEY(books, key));
-- The version of these tables, so that a Folio finds a database an older one set up.
CREATE TABLE IF NOT EXISTS folio_version(version int NOT NULL);
-- Locked (never written) by Folio's writers to take their turn.
CREATE TABLE IF NOT EXISTS folio_turn(unused int);
CREATE TABLE IF NOT EXISTS folio_lock_dates(
    books int PRIMARY KEY REFERENCES folio_books(id),
    through date NOT NULL);
-- Bank work, as the journal beside a books file keeps it: each statement import with the
-- entry that holds it, its lines (each with the journal line of the bank account, for the
-- duplicate check), and each reconciliation with the lines it cleared. Who made each row
-- is the database user; `who` is the name the client gave.
CREATE TABLE IF NOT EXISTS folio_bank_imports(
    books int NOT NULL,
    seq bigint NOT NULL,
    account text NOT NULL,
    source text NOT NULL,
    made text NOT NULL,
    who text NOT NULL,
    made_by text NOT NULL DEFAULT current_user,
    PRIMARY KEY(books, seq),
    FOREIGN KEY(books, seq) REFERENCES folio_entries(books, seq));
CREATE TABLE IF NOT EXISTS folio_bank_lines(
    books int NOT NULL,
    seq bigint NOT NULL,
    line int NOT NULL,
    account text NOT NULL,
    date text NOT NULL,
    description text NOT NULL,
    memo text NOT NULL,
    amount bigint NOT NULL,
    bank_id text NOT NULL DEFAULT '',
    PRIMARY KEY(books, seq, line),
    FOREIGN KEY(books, seq) REFERENCES folio_bank_imports(books, seq),
    FOREIGN KEY(books, seq, line) REFERENCES folio_lines(books, seq, line));
CREATE INDEX IF NOT EXISTS folio_bank_lines_by_account ON folio_bank_lines(books, account);
CREATE TABLE IF NOT EXISTS folio_reconciliations(
    books int NOT NULL REFERENCES folio_books(id),
    id int NOT NULL,
    account text NOT NULL,
    statement_date text NOT NULL,
    balance bigint NOT NULL,
    who text NOT NULL,
    made text NOT NULL,
    made_by text NOT NULL DEFAULT current_user,
    PRIMARY KEY(books, id));
CREATE TABLE IF NOT EXISTS folio_reconciled_lines(
    books int NOT NULL,
    seq bigint NOT NULL,
    line int NOT NULL,
    reconciliation int NOT NULL,
    PRIMARY KEY(books, seq, line),
    FOREIGN KEY(books, seq, line) REFERENCES folio_lines(books, seq, line),
    CONSTRAINT folio_reconciled_lines_reconciliation FOREIGN KEY(books, reconciliation)
        REFERENCES folio_reconciliations(books, id));
-- A database set up before reconciliations were kept whole gains the link to them.
DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_constraint
                   WHERE conname = 'folio_reconciled_lines_reconciliation') THEN
        ALTER TABLE folio_reconciled_lines ADD CONSTRAINT folio_reconciled_lines_reconciliation
            FOREIGN KEY(books, reconciliation) REFERENCES folio_reconciliations(books, id);
    END IF;
END $$;
)sql";

constexpr const char* kRules = R"sql(
CREATE OR REPLACE FUNCTION folio_append_only() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    RAISE EXCEPTION 'the journal is append-only: an entry cannot be changed or removed';
END $$;
CREATE OR REPLACE TRIGGER folio_entries_append_only BEFORE UPDATE OR DELETE ON folio_entries
    FOR EACH ROW EXECUTE FUNCTION folio_append_only();
CREATE OR REPLACE TRIGGER folio_lines_append_only BEFORE UPDATE OR DELETE ON folio_lines
    FOR EACH ROW EXECUTE FUNCTION folio_append_only();
CREATE OR REPLACE TRIGGER folio_reconciled_append_only BEFORE UPDATE OR DELETE
    ON folio_reconciled_lines FOR EACH ROW EXECUTE FUNCTION folio_append_only();
CREATE OR REPLACE TRIGGER folio_reconciliations_append_only BEFORE UPDATE OR DELETE
    ON folio_reconciliations FOR EACH ROW EXECUTE FUNCTION folio_append_only();
CREATE OR REPLACE TRIGGER folio_bank_imports_append_only BEFORE UPDATE OR DELETE
    ON folio_bank_imports FOR EACH ROW EXECUTE FUNCTION folio_append_only();
CREATE OR REPLACE TRIGGER folio_bank_lines_append_only BEFORE UPDATE OR DELETE
    ON folio_bank_lines FOR EACH ROW EXECUTE FUNCTION folio_append_only();

-- A reconciled line changes only by a reversal: an Undo of its entry (or of the Redo that
-- put it back) is refused.
CREATE OR REPLACE FUNCTION folio_check_reconciled_undo() RETURNS trigger LANGUAGE plpgsql AS $$
DECLARE
    original bigint := NEW.reversal_of;
    undone bigint;
BEGIN
    IF NEW.kind <> 'undo' OR original IS NULL THEN
        RETURN NEW;
    END IF;
    LOOP
        SELECT e.reversal_of INTO undone FROM folio_entries e
            WHERE e.books = NEW.books AND e.seq = original AND e.kind = 'redo';
        EXIT WHEN undone IS NULL;
        SELECT e.reversal_of INTO original FROM folio_entries e
            WHERE e.books = NEW.books AND e.seq = undone;
        EXIT WHEN original IS NULL;
    END LOOP;
    IF EXISTS (SELECT FROM folio_reconciled_lines r
               WHERE r.books = NEW.books AND r.seq = original) THEN
        RAISE EXCEPTION 'entry % cannot be undone: a line of it was cleared by a '
            'reconciliation; reverse it instead', original;
    END IF;
    RETURN NEW;
END $$;
CREATE OR REPLACE TRIGGER folio_entries_reconciled BEFORE INSERT ON folio_entries
    FOR EACH ROW EXECUTE FUNCTION folio_check_reconciled_undo();

-- Closing, locking and reopening are a supervisor's.
CREATE OR REPLACE FUNCTION folio_check_supervisor() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    IF NEW.kind IN ('closing', 'lock', 'reopen', 'adjustment')
            AND NOT pg_has_role(current_user, 'folio_supervisor', 'MEMBER') THEN
        RAISE EXCEPTION 'only a supervisor closes, locks or reopens the books; % may post, '
            'import and reconcile', current_user;
    END IF;
    RETURN NEW;
END $$;
CREATE OR REPLACE TRIGGER folio_entries_supervisor BEFORE INSERT ON folio_entries
    FOR EACH ROW EXECUTE FUNCTION folio_check_supervisor();

CREATE OR REPLACE FUNCTION folio_check_balanced() RETURNS trigger LANGUAGE plpgsql AS $$
DECLARE
    debits bigint;
    credits bigint;
    lines int;
BEGIN
    IF NEW.kind = 'balanced' THEN
        SELECT coalesce(sum(debit), 0), coalesce(sum(credit), 0), count(*)
            INTO debits, credits, lines
            FROM folio_lines WHERE books = NEW.books AND seq = NEW.seq;
        IF lines < 2 OR debits <> credits THEN
            RAISE EXCEPTION 'balanced entry % does not balance: debits % and credits %',
                NEW.seq, debits, credits;
        END IF;
    END IF;
    RETURN NULL;
END $$;
DROP TRIGGER IF EXISTS folio_entries_balanced ON folio_entries;
CREATE CONSTRAINT TRIGGER folio_entries_balanced AFTER INSERT ON folio_entries
    DEFERRABLE INITIALLY DEFERRED FOR EACH ROW EXECUTE FUNCTION folio_check_balanced();

CREATE OR REPLACE FUNCTION folio_check_lock_date() RETURNS trigger LANGUAGE plpgsql AS $$
DECLARE
    locked date;
BEGIN
    SELECT through INTO locked FROM folio_lock_dates WHERE books = NEW.books;
    IF locked IS NOT NULL
            AND NEW.kind NOT IN ('opening', 'closed-from', 'closing', 'lock', 'reopen')
            AND NEW.date::date <= locked THEN
        RAISE EXCEPTION 'entry dated % is on or before the lock date %', NEW.date, locked;
    END IF;
    RETURN NEW;
END $$;
CREATE OR REPLACE TRIGGER folio_entries_lock_date BEFORE INSERT ON folio_entries
    FOR EACH ROW EXECUTE FUNCTION folio_check_lock_date();

CREATE OR REPLACE FUNCTION folio_lock_moves_forward() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    IF NEW.through < OLD.through THEN
        RAISE EXCEPTION 'the lock date only moves forward (from % to % refused)',
            OLD.through, NEW.through;
    END IF;
    RETURN NEW;
END $$;
CREATE OR REPLACE TRIGGER folio_lock_dates_forward BEFORE UPDATE ON folio_lock_dates
    FOR EACH ROW EXECUTE FUNCTION folio_lock_moves_forward();
)sql";

// A bookkeeper posts, imports and reconciles; a supervisor also closes, locks and reopens.
constexpr const char* kRoles = R"sql(
DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'folio_bookkeeper') THEN
        CREATE ROLE folio_bookkeeper NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'folio_supervisor') THEN
        CREATE ROLE folio_supervisor NOLOGIN IN ROLE folio_bookkeeper;
    END IF;
END $$;
REVOKE ALL ON folio_books, folio_accounts, folio_entries, folio_lines, folio_values,
    folio_lock_dates, folio_turn, folio_reconciled_lines, folio_reconciliations,
    folio_bank_imports, folio_bank_lines FROM PUBLIC;
GRANT SELECT ON folio_books, folio_lock_dates TO folio_bookkeeper;
GRANT UPDATE ON folio_turn TO folio_bookkeeper;
GRANT UPDATE (last_seq) ON folio_books TO folio_bookkeeper;
GRANT SELECT, INSERT ON folio_entries, folio_lines, folio_reconciled_lines,
    folio_reconciliations, folio_bank_imports, folio_bank_lines TO folio_bookkeeper;
GRANT SELECT, INSERT, UPDATE, DELETE ON folio_accounts, folio_values TO folio_bookkeeper;
GRANT INSERT, UPDATE ON folio_books, folio_lock_dates TO folio_supervisor;
GRANT DELETE ON folio_lock_dates TO folio_supervisor;
GRANT USAGE ON SEQUENCE folio_books_id_seq TO folio_supervisor;
REVOKE ALL ON folio_version FROM PUBLIC;
GRANT SELECT ON folio_version TO folio_bookkeeper;
)sql";

} // namespace

const std::string& schemaSql() {
    static const std::string sql =
        std::string(kTables) + kRules + kRoles + "DELETE FROM folio_version; " +
        "INSERT INTO folio_version VALUES (" + std::to_string(kSchemaVersion) + ");\n";
    return sql;
}

} // namespace folio::server
