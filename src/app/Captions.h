#pragma once

#include "data/Messages.h"
#include "data/Version.h"

#include <QString>

namespace rv::app {

/// The product name: window title, tree root, About.
inline const QString ProductName = QStringLiteral("RV52N");
/// Program version shown in About.
inline const QString ProgramVersion = QString::fromLatin1(rv::Version);

/// Captions shared by the main window and its dialogs.
enum class Cap {
    Close,
    Print,
    Help,
    Ok,
    Cancel,
    CommPortTitle,
    PortPrefix,
    LanguageMode,
    LanguageSetup,
    PrintListColumn,
    SimulatedRadio,
    ProgressLabel,
    Count
};

/// The two-language text of a shared caption.
const rv::LangText& CaptionOf(Cap c);

/// The caption of a main-window menu entry by its objectName ("mnuFileNew"); an empty
/// entry for a name that has none.
const rv::LangText& MenuCaption(const QString& menuName);

/// Language names of the Language Setup list, at position (display − 1) × 2 + language.
const rv::LangText& LangNameRow(int displayLanguage);
QString LangName(int position);

/// Title of the progress window by language and clone mode (1 read, 2 write).
QString ProgressTitle(int language, int mode);

} // namespace rv::app
