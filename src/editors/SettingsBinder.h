#pragma once

#include <QObject>
#include <QString>

#include <string>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace rv {
struct SettingRow;
}

namespace rv::ui {

class AppContext;
class ChildWindow;
class SettingsCombo;

/// Binds the controls of a settings window to catalogue rows: each shows its row's value
/// and caption, a drop-down box offers what the row offers for the document, and a change
/// commits through the row. A refused value is told and the control shows the document again.
class SettingsBinder : public QObject {
    Q_OBJECT
public:
    explicit SettingsBinder(ChildWindow* window);

    /// A drop-down box, captioned by `label` when given; committed when an entry is chosen.
    void bind(SettingsCombo* box, const char* key, QLabel* label = nullptr);
    /// A check box, captioned with the row's label; committed when clicked.
    void bind(QCheckBox* box, const char* key);
    /// A text box holding at most the row's characters, captioned by `label` when given;
    /// committed when editing finishes.
    void bind(QLineEdit* box, const char* key, QLabel* label = nullptr);

    /// Captions the window after its rows' area and every control, and fills the boxes'
    /// entries, in the current language.
    void caption();
    /// Shows every row's value.
    void show();

    /// A control and the row it is bound to.
    struct Binding {
        const SettingRow* row;
        QWidget* control;
        QLabel* label;
    };
    const std::vector<Binding>& bindings() const { return bindings_; }

signals:
    /// A commit through `key` changed the document.
    void committed(const QString& key);

private:
    void commit(const Binding& b, const QString& text);
    void showOne(const Binding& b);

    ChildWindow* window_;
    AppContext& ctx_;
    std::vector<Binding> bindings_;
};

} // namespace rv::ui
