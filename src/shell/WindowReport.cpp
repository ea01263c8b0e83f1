#include "WindowReport.h"

#include "data/SettingTexts.h"
#include "editors/SettingsInput.h"
#include "frmMain.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <utility>

namespace rv::ui {

namespace {

QString Cell(const QString& text, const char* tag = "td") {
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), text.toHtmlEscaped());
}

/// Walks a window's layouts in screen order and collects what it shows.
class Walk {
public:
    Walk(QWidget& window, int language, const FieldOverride& override)
        : window_(window), language_(language), override_(override) {}

    QString run() {
        html_ = QStringLiteral("<h3>%1</h3>").arg(window_.windowTitle().toHtmlEscaped());
        layout(window_.layout());
        flush();
        return html_;
    }

private:
    /// Seen by the user: no parent up to the window hidden, tab pages aside (only one of
    /// them is up at a time, and every one is printed).
    bool shown(const QWidget* w) const {
        for (; w && w != &window_; w = w->parentWidget()) {
            if (w->isHidden() && !qobject_cast<QStackedWidget*>(w->parentWidget())) return false;
        }
        return true;
    }

    void layout(QLayout* l) {
        if (!l) return;
        if (auto* f = qobject_cast<QFormLayout*>(l)) return form(f);
        for (int i = 0; i < l->count(); ++i) {
            QLayoutItem* item = l->itemAt(i);
            if (item->widget())
                widget(item->widget());
            else
                layout(item->layout());
        }
    }

    void form(QFormLayout* f) {
        for (int r = 0; r < f->rowCount(); ++r) {
            if (QLayoutItem* span = f->itemAt(r, QFormLayout::SpanningRole)) {
                if (span->widget())
                    widget(span->widget());
                else
                    layout(span->layout());
                continue;
            }
            QLayoutItem* label = f->itemAt(r, QFormLayout::LabelRole);
            QLayoutItem* field = f->itemAt(r, QFormLayout::FieldRole);
            if (!field) continue;
            if (!field->widget()) {
                layout(field->layout());
                continue;
            }
            const auto* text = label ? qobject_cast<QLabel*>(label->widget()) : nullptr;
            if (!text || !shown(field->widget())) continue;
            setting(PlainCaption(text->text()), field->widget());
        }
    }

    void widget(QWidget* w) {
        if (!shown(w) || qobject_cast<QPushButton*>(w) || qobject_cast<QLabel*>(w)) return;
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                heading(PlainCaption(tabs->tabText(i)));
                layout(tabs->widget(i)->layout());
            }
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            heading(group->title());
            layout(group->layout());
        } else if (auto* grid = qobject_cast<QTableWidget*>(w)) {
            table(*grid);
        } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
            setting(PlainCaption(check->text()), check);
        } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
            // A text box of its own, such as a line of the embedded message: every
            // character in its place, spaces included.
            flush();
            add(QStringLiteral("<pre style=\"font-family: monospace; background-color: "
                               "#eeeeee\">%1</pre>")
                    .arg(line->text().toHtmlEscaped()));
        } else {
            layout(w->layout());
        }
    }

    QString value(QWidget* field) const {
        if (override_) {
            if (auto v = override_(field->objectName())) return *v;
        }
        if (auto* box = qobject_cast<SettingsCombo*>(field)) return box->shownText();
        if (auto* box = qobject_cast<QComboBox*>(field)) return box->currentText();
        if (auto* check = qobject_cast<QCheckBox*>(field))
            return QString::fromStdString(rv::OnOffText(check->isChecked() ? 1 : 0, language_));
        if (auto* line = qobject_cast<QLineEdit*>(field)) return line->text();
        return {};
    }

    void setting(const QString& label, QWidget* field) {
        rows_ +=
            QStringLiteral("<tr>") + Cell(label) + Cell(value(field)) + QStringLiteral("</tr>");
    }

    /// A group's or tab's title, printed once something of it follows.
    void heading(const QString& text) {
        flush();
        heading_ = QStringLiteral("<h4>%1</h4>").arg(text.toHtmlEscaped());
    }

    void add(const QString& html) { html_ += std::exchange(heading_, QString()) + html; }

    /// The rows of a grid that hold anything besides their number.
    void table(const QTableWidget& grid) {
        flush();
        QString head;
        for (int c = 0; c < grid.columnCount(); ++c) {
            if (grid.isColumnHidden(c)) continue;
            const QTableWidgetItem* h = grid.horizontalHeaderItem(c);
            head += Cell(h ? h->text() : QString(), "th");
        }
        QString body;
        for (int r = 0; r < grid.rowCount(); ++r) {
            QString cells;
            bool filled = false;
            for (int c = 0; c < grid.columnCount(); ++c) {
                if (grid.isColumnHidden(c)) continue;
                const QTableWidgetItem* item = grid.item(r, c);
                const QString text = item ? item->text() : QString();
                filled = filled || (c > 0 && !text.isEmpty());
                cells += Cell(text);
            }
            if (filled) body += QStringLiteral("<tr>") + cells + QStringLiteral("</tr>");
        }
        if (body.isEmpty()) return;
        add(QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr>") + head +
            QStringLiteral("</tr>") + body + QStringLiteral("</table>"));
    }

    void flush() {
        if (rows_.isEmpty()) return;
        add(QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">") + rows_ +
            QStringLiteral("</table>"));
        rows_.clear();
    }

    QWidget& window_;
    int language_;
    const FieldOverride& override_;
    QString html_;
    QString heading_;
    QString rows_;
};

} // namespace

QString WindowReportHtml(QWidget& window, int language, const FieldOverride& override) {
    return Walk(window, language, override).run();
}

} // namespace rv::ui
