#include "ChannelCsv.h"

#include "ChannelCsvRow.h"
#include "Csv.h"

#include <algorithm>
#include <set>

namespace rv {

namespace {

// The header is the first record naming a Frequency column; anything before it is not
// channel data (a title line a spreadsheet user added, say).
std::size_t HeaderIndex(const CsvTable& table) {
    for (std::size_t i = 0; i < table.records.size(); ++i)
        if (CsvColumns(table.records[i].fields).has("Frequency")) return i;
    return table.records.size();
}

// UTF-16 by its byte order mark, or by the zero bytes between the letters of a plain header.
bool IsUtf16(std::string_view csv) {
    if (csv.size() < 2) return false;
    const auto b0 = static_cast<unsigned char>(csv[0]);
    const auto b1 = static_cast<unsigned char>(csv[1]);
    if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF)) return true;
    if (csv.size() < 4) return false;
    const bool little = csv[0] != '\0' && csv[1] == '\0' && csv[3] == '\0';
    const bool big = csv[0] == '\0' && csv[1] != '\0' && csv[2] == '\0';
    return little || big;
}

// The columns a channel of the radio has no place for, where any row gives them text.
std::vector<std::string> DroppedColumns(const CsvTable& table, std::size_t head) {
    const CsvColumns columns(table.records[head].fields);
    std::vector<std::string> dropped;
    for (const char* name : {"Name", "Comment"}) {
        for (std::size_t i = head + 1; i < table.records.size(); ++i) {
            if (!columns.cell(table.records[i], name).value_or("").empty()) {
                dropped.push_back(*columns.cell(table.records[head], name));
                break;
            }
        }
    }
    return dropped;
}

// Sets one row's settings through the channel commit, leaving alone what already holds
// the value so that an unchanged setting keeps its stored form.
void ApplyRow(Session& s, const CsvRowPlan& row) {
    for (const CsvField& f : row.fields) {
        if (const ChannelInfo* ch = ChannelOf(s.Doc, row.chNo)) {
            if (f.kind == ChannelFieldKind::TxCode && !HasFrequency(ch->TxFreq.get())) continue;
            if (ChannelFieldText(s, *ch, f.kind) == f.text) continue;
        }
        SetChannelField(s, row.chNo, f.kind, f.text);
    }
}

void ApplyPlan(Session& s, const CsvImportPlan& plan) {
    for (const CsvRowPlan& row : plan.rows)
        if (row.action != CsvRowAction::Skip) ApplyRow(s, row);
    for (const int n : plan.cleared)
        SetChannelField(s, n, ChannelFieldKind::RxFreq, "");
}

// Gives every row its channel, or the reason it has none.
void AssignChannels(CsvImportPlan& plan, bool renumber) {
    std::set<int> taken;
    int next = 1;
    for (CsvRowPlan& row : plan.rows) {
        if (row.action == CsvRowAction::Skip) continue;
        if (renumber) row.chNo = next++;
        if (row.chNo > 16) {
            row = {row.line, 0, CsvRowAction::Skip, CsvSkip::NoChannelLeft, {}, {}};
        } else if (!taken.insert(row.chNo).second) {
            row.action = CsvRowAction::Skip;
            row.skip = CsvSkip::ChannelTaken;
            row.detail = "Location \"" + std::to_string(row.chNo) + "\"";
            row.fields.clear();
        }
    }
}

// The row's settings as the channel holds them once set: an encode tone is kept only on a
// channel with a transmit frequency.
void Restate(const Session& s, const ChannelInfo& ch, std::vector<CsvField>& fields) {
    const bool sends = HasFrequency(ch.TxFreq.get());
    std::erase_if(fields, [sends](const CsvField& f) {
        return f.kind == ChannelFieldKind::TxCode && !sends;
    });
    for (CsvField& f : fields)
        f.text = ChannelFieldText(s, ch, f.kind);
}

// Works the plan out on a copy of the session: which rows create, change or keep a channel,
// and which channels replacing the list deletes.
void Rehearse(const Session& s, CsvImportPlan& plan, bool replaceAll) {
    Session scratch = s;
    scratch.onMessage = nullptr;
    std::set<int> used;
    for (CsvRowPlan& row : plan.rows) {
        if (row.action == CsvRowAction::Skip) continue;
        used.insert(row.chNo);
        const ChannelInfo* before = ChannelOf(scratch.Doc, row.chNo);
        const ChannelInfo old = before ? *before : ChannelInfo{};
        ApplyRow(scratch, row);
        const ChannelInfo* after = ChannelOf(scratch.Doc, row.chNo);
        row.action = !before                  ? CsvRowAction::New
                     : after && *after == old ? CsvRowAction::NoChange
                                              : CsvRowAction::Change;
        if (after) Restate(scratch, *after, row.fields);
    }
    // A list in which no row can be used replaces nothing.
    if (!replaceAll || used.empty()) return;
    for (int n = 1; n <= 16; ++n)
        if (!used.count(n) && ChannelOf(s.Doc, n)) plan.cleared.push_back(n);
}

} // namespace

int CsvImportPlan::skippedCount() const {
    return static_cast<int>(std::count_if(rows.begin(), rows.end(), [](const CsvRowPlan& r) {
        return r.action == CsvRowAction::Skip;
    }));
}

CsvImportPlan PlanChannelImport(const Session& s, std::string_view csv,
                                const CsvImportOptions& options) {
    CsvImportPlan plan;
    if (IsUtf16(csv)) {
        plan.error = CsvFileError::Utf16;
        return plan;
    }
    const CsvTable table = ParseCsv(csv);
    const std::size_t head = HeaderIndex(table);
    if (head == table.records.size()) {
        plan.error = CsvFileError::NoHeader;
        return plan;
    }
    const CsvColumns columns(table.records[head].fields);
    if (!options.renumber && !columns.has("Location")) {
        plan.error = CsvFileError::NoLocation;
        return plan;
    }
    plan.dropped = DroppedColumns(table, head);
    for (std::size_t i = head + 1; i < table.records.size(); ++i) {
        const CsvRecord& record = table.records[i];
        CsvRowRead read = ReadCsvRow(s, columns, record, table.delimiter, !options.renumber);
        CsvRowPlan row{record.line, read.location,         CsvRowAction::New, {},
                       {},          std::move(read.fields)};
        if (read.skip)
            row = {record.line, read.location,          CsvRowAction::Skip,
                   *read.skip,  std::move(read.detail), {}};
        plan.rows.push_back(std::move(row));
    }
    AssignChannels(plan, options.renumber);
    Rehearse(s, plan, options.replaceAll);
    return plan;
}

void ApplyChannelImport(Session& s, const CsvImportPlan& plan) {
    // Every value was checked when the plan was made; a damaged stored frequency read on
    // the way must not interrupt the import halfway.
    auto handler = std::move(s.onMessage);
    s.onMessage = nullptr;
    ApplyPlan(s, plan);
    s.onMessage = std::move(handler);
}

} // namespace rv
