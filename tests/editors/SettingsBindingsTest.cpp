#include "data/RandomDocuments.h"

#include "data/Image.h"
#include "editors/EditorRegistry.h"

#include "SettingsTestUtil.h"

#include <algorithm>

using namespace rv::test;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

rv::MemoryImage Encoded(const rv::RadioData& d) {
    rv::MemoryImage m;
    rv::InitImage(m);
    EXPECT_TRUE(rv::EncodeImage(d, m));
    return m;
}

/// What a box bound to a row must offer for the document of `s`: the row's offered choices,
/// or for a number every value of its range as the row shows it, after a blank while no
/// number is set.
QStringList Expected(const rv::SettingRow& r, const rv::Session& s) {
    if (r.kind != rv::RowKind::Number)
        return rv::editors::Entries(rv::OfferedChoices(r, s), s.CurLanguage);
    QStringList out;
    if (rv::textOf(s, r.key).empty()) out << " ";
    rv::Session probe = s;
    for (int v = r.low; v <= r.high; v += r.step) {
        r.put(probe.Doc, v);
        out << Q(rv::textOf(probe, r.key));
    }
    return out;
}

/// A control of a window bound to a row: it carries the row's key; its caption label, if
/// any, names it as buddy.
struct Bound {
    const rv::SettingRow* row;
    QWidget* control;
    QLabel* label;
};

std::vector<Bound> BoundControls(QWidget* w) {
    std::vector<Bound> out;
    for (QWidget* c : w->findChildren<QWidget*>()) {
        const QString key = c->property("key").toString();
        if (key.isEmpty()) continue;
        QLabel* label = nullptr;
        for (QLabel* l : w->findChildren<QLabel*>())
            if (l->buddy() == c) label = l;
        out.push_back({rv::findRow(key.toStdString()), c, label});
        EXPECT_NE(out.back().row, nullptr) << key.toStdString();
    }
    return out;
}

class SettingsBindingsTest : public SettingsFixture {
protected:
    /// Puts the document back and lets the window show it again.
    void restore(rv::ui::ChildWindow* w, const rv::RadioData& doc) {
        ctx.doc() = doc;
        w->reShow();
    }

    /// The window shows the row's value under its caption and offers what the row offers,
    /// in both languages; the document's language is left in place.
    void expectShown(rv::ui::ChildWindow* w) {
        const int own = ctx.lang();
        for (const int lang : {int(rv::English), int(rv::Chinese), own}) {
            ctx.session.CurLanguage = lang;
            w->changeShowByLanguage();
            for (const Bound& b : BoundControls(w)) {
                SCOPED_TRACE(b.row->key + " lang " + std::to_string(lang));
                const QString label = Q(rv::LabelOf(*b.row, lang));
                const QString shown = Q(rv::textOf(ctx.session, b.row->key));
                if (b.label) {
                    EXPECT_EQ(b.label->text(), label);
                }
                if (auto* box = qobject_cast<rv::editors::SettingsCombo*>(b.control)) {
                    QStringList entries;
                    for (int i = 0; i < box->count(); ++i)
                        entries << box->itemText(i);
                    EXPECT_EQ(entries, Expected(*b.row, ctx.session));
                    EXPECT_EQ(Shown(box), shown.isEmpty() ? " " : shown);
                } else if (auto* check = qobject_cast<QCheckBox*>(b.control)) {
                    EXPECT_EQ(check->text(), label);
                    for (const rv::Choice& c : rv::OfferedChoices(*b.row, ctx.session)) {
                        if (c.value == 1) {
                            EXPECT_EQ(check->isChecked(), shown == Q(rv::InLanguage(c.text, lang)));
                        }
                    }
                } else if (auto* text = qobject_cast<QLineEdit*>(b.control)) {
                    EXPECT_EQ(text->text(), shown);
                }
            }
        }
    }

    /// Chooses the values a control offers through the control, each on the document as it
    /// was: the row then shows it, and choosing the value already stored changes no byte.
    void expectChoicesStore(rv::ui::ChildWindow* w, const Bound& b) {
        const rv::RadioData doc = ctx.doc();
        const rv::MemoryImage image = Encoded(doc);
        const std::string key = b.row->key;
        auto expectStored = [&](const QString& value, bool same) {
            const QString stored = Q(rv::textOf(ctx.session, key));
            EXPECT_EQ(stored, value == " " ? QString() : value) << key;
            if (same) {
                EXPECT_EQ(Encoded(ctx.doc()), image) << key << " " << value.toStdString();
            }
            restore(w, doc);
        };
        const QString was = Q(rv::textOf(ctx.session, key));
        if (auto* box = qobject_cast<rv::editors::SettingsCombo*>(b.control)) {
            // A long list of numbers: its ends, the stored value and an even spread between.
            const int stride = std::max(1, box->count() / 16);
            for (int i = 0; i < box->count(); ++i) {
                if (i % stride && i != box->count() - 1 && i != box->currentIndex()) continue;
                const QString entry = box->itemText(i);
                box->setCurrentIndex(i);
                emit box->activated(i);
                expectStored(entry, entry == was || (entry == " " && was.isEmpty()));
            }
        } else if (auto* check = qobject_cast<QCheckBox*>(b.control)) {
            emit check->clicked(check->isChecked());
            expectStored(was, true);
            check->click();
            EXPECT_NE(Q(rv::textOf(ctx.session, key)), was) << key;
            expectStored(Q(rv::textOf(ctx.session, key)), false);
        } else if (auto* text = qobject_cast<QLineEdit*>(b.control)) {
            QStringList values{was};
            for (const std::string& v : rvtest::Offered(*b.row, ctx.session))
                values << Q(v);
            for (const QString& v : values) {
                SlipIn(text, v);
                emit text->editingFinished();
                expectStored(v, v == was);
            }
        }
    }
};

// Every control of every settings window, on random documents of both models and languages.
TEST_F(SettingsBindingsTest, EveryBoundControlOffersShowsAndStoresItsRow) {
    const char* const windows[] = {"FrmOptFeatures", "FrmKeyAssignm", "FrmScanInfo",
                                   "FrmDTMF",        "FrmEmbMsg",     "FrmFleetSync"};
    for (const rv::Session& doc : rvtest::RandomDocuments(20)) {
        for (const char* name : windows) {
            ctx.doc() = doc.Doc;
            ctx.session.CurModelCode = doc.CurModelCode;
            ctx.session.CurLanguage = doc.CurLanguage;
            std::unique_ptr<rv::ui::ChildWindow> w(rv::editors::CreateEditorWindow(ctx, name));
            ASSERT_NE(w, nullptr) << name;
            w->setAttribute(Qt::WA_DeleteOnClose, false);
            const std::vector<Bound> bound = BoundControls(w.get());
            ASSERT_FALSE(bound.empty()) << name;
            EXPECT_EQ(w->windowTitle(), Q(rv::InLanguage(bound[0].row->area, doc.CurLanguage)));
            expectShown(w.get());
            // A greyed control takes no choice; the documents where it is open cover it.
            for (const Bound& b : bound) {
                if (b.control->isEnabled()) expectChoicesStore(w.get(), b);
            }
            EXPECT_EQ(ctx.doc(), doc.Doc) << name;
        }
    }
}

} // namespace
