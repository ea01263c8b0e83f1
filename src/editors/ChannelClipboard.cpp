#include "ChannelClipboard.h"

#include "ChannelHistory.h"
#include "data/ChannelCommit.h"

namespace rv::ui {

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
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        QStringList fields = line.split(QLatin1Char('\t'));
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

namespace {

// A row copied while the other language was shown still means the same settings.
QString InLanguage(rv::ChannelFieldKind kind, const QString& text, int language) {
    return QString::fromStdString(rv::ChannelTextInLanguage(kind, text.toStdString(), language));
}

} // namespace

void PasteChannelRows(ChannelTransaction& t, int firstChNo, const std::vector<QStringList>& rows,
                      int language) {
    int n = firstChNo;
    for (const QStringList& fields : rows) {
        if (n > 16) break;
        const auto change = t.commit(n, rv::ChannelFieldKind::RxFreq, fields.value(0));
        if (change != rv::ChannelChange::Deleted && !fields.value(0).isEmpty()) {
            for (int k = 2; k <= ChannelRowFields && k <= fields.size(); ++k) {
                const QString& f = fields[k - 1];
                // An empty TX clears the transmit frequency; other empty fields keep the value.
                if (f.isEmpty() && k != static_cast<int>(rv::ChannelFieldKind::TxFreq)) continue;
                const auto kind = static_cast<rv::ChannelFieldKind>(k);
                t.commit(n, kind, InLanguage(kind, f, language));
            }
            // Lockout and unmute arrive after the option signalling they depend on; its
            // commit once more applies the rules that tie them to it and the decode tone.
            const QString opt = fields.value(static_cast<int>(rv::ChannelFieldKind::OptSignal) - 1);
            if (!opt.isEmpty())
                t.commit(n, rv::ChannelFieldKind::OptSignal,
                         InLanguage(rv::ChannelFieldKind::OptSignal, opt, language));
        }
        ++n;
    }
}

} // namespace rv::ui
