#include "data/record_patch.h"
#include "data/file_rewrite.h"
#include "data/file_table.h"
#include <algorithm>

namespace folio {

namespace {

constexpr std::int64_t kSize = RecordLayout::kRecordSize;

// The record of the old file that lands at `record` of the new one (0: the moved record).
int sourceOf(const RecordPatch& patch, int record) {
    switch (patch.move) {
    case RecordPatch::Move::Remove:
        return record < patch.at ? record : record + 1;
    case RecordPatch::Move::Insert:
        return record < patch.at ? record : record == patch.at ? 0 : record - 1;
    case RecordPatch::Move::None:
        break;
    }
    return record;
}

} // namespace

// Streams the new file a chunk at a time into its successor beside it.
StagedRewrite::StagedRewrite(FileTable& files, int number, const QString& path,
                             const RecordPatch& patch, const Moved& moved)
    : files_(files), number_(number), path_(path), rewrite_(path, true) {
    std::vector<const RecordPatch::Write*> written;
    written.reserve(patch.writes.size());
    for (const RecordPatch::Write& write : patch.writes) {
        written.push_back(&write);
    }
    std::sort(written.begin(), written.end(),
              [](const auto* a, const auto* b) { return a->record < b->record; });
    auto next = written.begin();
    std::vector<RecordBytes> source;
    std::vector<RecordBytes> out;
    const RecordBytes movedBytes = patch.moved.encode();
    const int countBefore = recordsIn(patch.lengthBefore);
    for (int first = 1; first <= patch.countAfter; first += kChunkRecords) {
        const int n = std::min(kChunkRecords, patch.countAfter - first + 1);
        // Each record comes from the same number in the old file, or the one before or after.
        const int base = std::max(1, first - 1);
        source.resize(static_cast<std::size_t>(first + n + 1 - base));
        files.readRecords(number, base, source);
        out.resize(static_cast<std::size_t>(n));
        int runFrom = 0; // the moved records of this chunk, one after another
        int runTo = 0;
        std::size_t runCount = 0;
        for (int i = 0; i < n; ++i) {
            const int record = first + i;
            while (next != written.end() && (*next)->record < record) {
                ++next;
            }
            const int from = sourceOf(patch, record);
            const RecordBytes* held =
                from == 0 ? nullptr : &source[static_cast<std::size_t>(from - base)];
            if (from != record && from != 0 && from <= countBefore) {
                if (runCount++ == 0) {
                    runFrom = from;
                    runTo = record;
                }
            }
            RecordBytes& bytes = out[static_cast<std::size_t>(i)];
            if (next != written.end() && (*next)->record == record) {
                bytes = (*next)->after.encode();
            } else {
                bytes = held == nullptr ? movedBytes : *held;
            }
        }
        if (moved && runCount > 0) {
            moved(runFrom, runTo, {&source[static_cast<std::size_t>(runFrom - base)], runCount});
        }
        rewrite_.append(out.data(), out.size() * sizeof(RecordBytes));
    }
}

void StagedRewrite::commit() {
    rewrite_.commit();
    files_.close(number_);
    files_.open(number_, path_);
}

namespace {

// Whether record `record` holds `image`; an empty image: the file ends before the record.
bool holds(FileTable& files, int number, std::int64_t length, int record,
           const std::optional<AccountRecord>& image) {
    const bool present = std::int64_t{record - 1} * kSize < length;
    if (!image || !present) {
        return !image && !present;
    }
    return files.get(number, record) == *image;
}

} // namespace

int recordsIn(std::int64_t length) {
    return static_cast<int>((length + kSize - 1) / kSize);
}

void applyPatch(FileTable& files, int number, const QString& path, const RecordPatch& patch) {
    if (patch.rewrite) {
        StagedRewrite(files, number, path, patch).commit();
        return;
    }
    if (patch.writes.empty()) {
        return;
    }
    for (const RecordPatch::Write& write : patch.writes) {
        files.write(number, write.record, write.after);
    }
    files.sync(number);
}

void restorePatch(FileTable& files, int number, const RecordPatch& patch) {
    if (patch.rewrite) {
        return; // never half-written: the old file stays until the new one takes its place
    }
    for (auto it = patch.writes.rbegin(); it != patch.writes.rend(); ++it) {
        if (it->before) {
            files.write(number, it->record, *it->before);
        }
    }
    if (files.length(number) > patch.lengthBefore) {
        files.truncate(number, patch.lengthBefore);
    }
    files.sync(number);
}

PatchState patchStateOf(FileTable& files, int number, const RecordPatch& patch) {
    const std::int64_t length = files.length(number);
    const int count = recordsIn(length);
    const auto all = [&](bool after) {
        return std::all_of(patch.writes.begin(), patch.writes.end(), [&](const auto& write) {
            if (after) {
                return holds(files, number, length, write.record, write.after);
            }
            // A rewrite names its written records by where they land: only those in place
            // of the same record held an image before.
            return (patch.rewrite && !write.before) ||
                   holds(files, number, length, write.record, write.before);
        });
    };
    const bool movedHeld = patch.move == RecordPatch::Move::None ||
                           holds(files, number, length, patch.at, patch.moved);
    if (patch.rewrite) {
        const bool insert = patch.move == RecordPatch::Move::Insert;
        if (count == patch.countAfter && (!insert || movedHeld) && all(true)) {
            return PatchState::After;
        }
        if (count == patch.countBefore && (insert || movedHeld) && all(false)) {
            return PatchState::Before;
        }
        return PatchState::Neither;
    }
    if (all(true)) {
        return PatchState::After;
    }
    return all(false) ? PatchState::Before : PatchState::Neither;
}

} // namespace folio
