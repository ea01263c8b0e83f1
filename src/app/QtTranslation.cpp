#include "QtTranslation.h"

#include "data/Messages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <utility>

namespace rv::app {

namespace {

std::unique_ptr<QTranslator> Installed;
int InstalledLanguage = rv::English;

/// The words of the file dialog's type column that Qt's own Chinese translation lacks.
class FileTypeWords : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* text, const char*, int) const override {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0) return {};
        static const std::pair<const char*, const char*> words[] = {
            {"Folder", "文件夹"},   {"Drive", "驱动器"}, {"File", "文件"},
            {"%1 File", "%1 文件"}, {"Unknown", "未知"}, {"unknown", "未知"}};
        for (const auto& [en, zh] : words)
            if (qstrcmp(text, en) == 0) return QString::fromUtf8(zh);
        return {};
    }
};
std::unique_ptr<QTranslator> FileTypes;

} // namespace

bool UseQtTranslation(int language) {
    if (language == InstalledLanguage && (Installed || language == rv::English)) return true;
    if (Installed) QCoreApplication::removeTranslator(Installed.get());
    if (FileTypes) QCoreApplication::removeTranslator(FileTypes.get());
    Installed.reset();
    FileTypes.reset();
    InstalledLanguage = language;
    if (language != rv::Chinese) return true;
    FileTypes = std::make_unique<FileTypeWords>();
    QCoreApplication::installTranslator(FileTypes.get());
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qt"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    Installed = std::move(translator);
    return true;
}

} // namespace rv::app
