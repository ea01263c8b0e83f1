#include "ChannelClipboard.h"

#include "ChannelTexts.h"
#include "ChannelTransaction.h"
#include "data/ChannelCellText.h"
#include "data/ChannelCommit.h"
#include "data/ChannelCsv.h"
#include "ui/AppContext.h"

namespace rv::editors {

namespace {

using K = rv::ChannelFieldKind;

const rv::LangText PasteRefused{"Nothing was pasted: these cells are not taken.",
                                "未粘贴任何内容：以下单元格无法接受。"};
const rv::LangText TypedRefused{"This entry is not taken; the cell keeps its value.",
                                "此输入无法接受；单元格保持原值。"};
const rv::LangText RefusedLine{"Channel %1, %2: \"%3\" - %4", "信道 %1，%2：“%3” - %4"};
const rv::LangText TooManyRows{
    "Nothing was pasted: %1 rows from channel %2 need channels up to %3, and the last is 16.",
    "未粘贴任何内容：从信道 %2 起的 %1 行需要用到信道 %3，而最后一个信道是 16。"};

QStringList Cells(const QString& line) {
    QString l = line;
    if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
    return l.split(QLatin1Char('\t'));
}

QString CsvCell(const QString& cell) {
    QString c = cell.trimmed();
    if (!c.contains(QLatin1Char(',')) && !c.contains(QLatin1Char('"'))) return c;
    return QLatin1Char('"') + c.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

} // namespace

QString ChannelRowsText(const rv::Session& s, const std::vector<int>& chNos) {
    QString text;
    for (const int n : chNos) {
        QStringList fields{QString::number(n)};
        const rv::ChannelInfo* ch = rv::ChannelOf(s.Doc, n);
        for (int k = 1; k <= ChannelRowFields; ++k) {
            const auto kind = static_cast<rv::ChannelFieldKind>(k);
            fields << (ch ? QString::fromStdString(rv::ChannelFieldText(s, *ch, kind)) : QString());
        }
        text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

std::vector<QStringList> ParseChannelRows(const QString& text) {
    std::vector<QStringList> rows;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QStringList fields = Cells(line);
        if (fields.size() < 2) continue;
        bool isNumber = false;
        fields.first().trimmed().toInt(&isNumber);
        if (!isNumber) continue;
        fields.removeFirst();
        for (QString& f : fields)
            f = f.trimmed();
        rows.push_back(fields);
    }
    return rows;
}

bool IsCommunityLayout(const QString& text) {
    const auto& header = rv::CsvHeader();
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QStringList cells = Cells(line);
        if (cells.first().trimmed().compare(QString::fromStdString(header.front()),
                                            Qt::CaseInsensitive) == 0 ||
            cells.size() > ChannelRowFields + 1)
            return true;
    }
    return false;
}

std::string CommunityCsvOfPaste(const QString& text) {
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QStringList cells = Cells(line);
        if (cells.join(QString()).trimmed().isEmpty()) continue;
        for (QString& c : cells)
            c = CsvCell(c);
        lines << cells.join(QLatin1Char(','));
    }
    const QString location = QString::fromStdString(rv::CsvHeader().front());
    if (lines.isEmpty() || !lines.first().startsWith(location, Qt::CaseInsensitive)) {
        QStringList header;
        for (const auto& h : rv::CsvHeader())
            header << QString::fromStdString(h);
        lines.prepend(header.join(QLatin1Char(',')));
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toStdString();
}

QString RowsBeyondLastChannel(int firstChNo, std::size_t rowCount, int language) {
    const int last = firstChNo + static_cast<int>(rowCount) - 1;
    if (last <= 16) return {};
    return ui::Tr(language, TooManyRows).arg(rowCount).arg(firstChNo).arg(last);
}

std::vector<RefusedCell> ReadPastedRows(const rv::Session& s, int firstChNo,
                                        std::vector<QStringList>& rows) {
    std::vector<RefusedCell> refused;
    int n = firstChNo;
    for (QStringList& fields : rows) {
        for (int k = 1; k <= ChannelRowFields && k <= fields.size(); ++k) {
            QString& f = fields[k - 1];
            const auto r = rv::ReadChannelCell(s, static_cast<K>(k), f.toStdString());
            if (r.ok)
                f = QString::fromStdString(r.text);
            else
                refused.push_back({n, k, f, r.rule});
        }
        ++n;
    }
    return refused;
}

QString RefusedCellsText(const std::vector<RefusedCell>& refused, int language, bool pasted) {
    QString text = ui::Tr(language, pasted ? PasteRefused : TypedRefused);
    for (const auto& c : refused)
        text += QLatin1Char('\n') +
                ui::Tr(language, RefusedLine)
                    .arg(c.chNo)
                    .arg(ui::Tr(language, ChannelTexts::FieldLabel(static_cast<K>(c.field))),
                         c.text, ui::Tr(language, c.rule));
    return text;
}

void PasteChannelRows(ChannelTransaction& t, int firstChNo, const std::vector<QStringList>& rows) {
    int n = firstChNo;
    for (const QStringList& fields : rows) {
        if (n > 16) break;
        const auto change = t.commit(n, K::RxFreq, fields.value(0));
        if (change != rv::ChannelChange::Deleted && !fields.value(0).isEmpty()) {
            for (int k = 2; k <= ChannelRowFields && k <= fields.size(); ++k) {
                const QString& f = fields[k - 1];
                // An empty TX clears the transmit frequency; other empty fields keep the value.
                if (f.isEmpty() && k != static_cast<int>(K::TxFreq)) continue;
                t.commit(n, static_cast<K>(k), f);
            }
            // Lockout and unmute arrive after the option signalling they depend on; its
            // commit once more applies the rules that tie them to it and the decode tone.
            const QString opt = fields.value(static_cast<int>(K::OptSignal) - 1);
            if (!opt.isEmpty()) t.commit(n, K::OptSignal, opt);
        }
        ++n;
    }
}

} // namespace rv::editors
