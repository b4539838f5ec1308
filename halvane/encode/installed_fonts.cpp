#include "halvane/encode/installed_fonts.h"

#include "common/profile.h"
#include "halvane/settings/halvane_config.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QHash>

#include <algorithm>

namespace halvane::encode {

namespace {

struct FontText {
    Q_DECLARE_TR_FUNCTIONS(FontText)
};

constexpr int kPathSize = 1024;
constexpr char kRegisterFailure[] = QT_TRANSLATE_NOOP("FontText", "Can't set register information about font!");

QString recordKey(int row)
{
    return QStringLiteral("CrossFont%1").arg(row);
}

QString fontKey(int row)
{
    return QStringLiteral("FONT%1").arg(row + kFirstInstalledFontKey);
}

QString fontName(const QString &fileName)
{
    return fileName.left(fileName.size() - 4);
}

// The fonts this process has loaded, by path, so an uninstall can take the
// same one out again.
QHash<QString, int> &loadedFonts()
{
    static QHash<QString, int> fonts;
    return fonts;
}

// Loads one file; the name the text messages use for it (the file name
// without ".ttf") finds the font's own family through a substitution.
bool loadFont(const QString &path)
{
    if (loadedFonts().contains(path))
        return true;
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0)
        return false;
    loadedFonts().insert(path, id);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    const QString name = fontName(QFileInfo(path).fileName());
    if (!families.isEmpty() && !families.contains(name, Qt::CaseInsensitive))
        QFont::insertSubstitution(name, families.first());
    return true;
}

void unloadFont(const QString &path)
{
    const auto found = loadedFonts().find(path);
    if (found == loadedFonts().end())
        return;
    QFontDatabase::removeApplicationFont(found.value());
    QFont::removeSubstitutions(fontName(QFileInfo(path).fileName()));
    loadedFonts().erase(found);
}

QString recordedPath(const QString &iniPath, int row)
{
    return common::GetPrivateProfileStringA(QString::fromLatin1(kSectionInstalledFonts), recordKey(row),
                                            QString(), kPathSize, iniPath);
}

} // namespace

QStringList fontFiles(const QString &fontsFolder)
{
    QStringList files;
    const QFileInfoList entries =
        QDir(fontsFolder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries)
        if (entry.fileName().size() > 4 && entry.fileName().right(4).toLower() == QStringLiteral(".ttf"))
            files << entry.fileName();
    return files;
}

bool fontRowInstalled(const QString &iniPath, int row)
{
    return !common::GetPrivateProfileStringA(QString::fromLatin1(settings::kSectionFont), fontKey(row),
                                             QString(), settings::kFontNameSize, iniPath)
                .isEmpty();
}

common::Status installFont(const QString &iniPath, const QString &fontsFolder, int row,
                           const QString &fileName)
{
    const QString path = QDir(fontsFolder).absoluteFilePath(fileName);
    if (!loadFont(path))
        return common::Status::failure(FontText::tr("The font %1 cannot be loaded.").arg(fileName));
    if (!common::WritePrivateProfileStringA(QString::fromLatin1(kSectionInstalledFonts), recordKey(row), path,
                                            iniPath)) {
        unloadFont(path);
        return common::Status::failure(FontText::tr(kRegisterFailure));
    }
    const QString section = QString::fromLatin1(settings::kSectionFont);
    if (const common::Status named = common::WritePrivateProfileStringA(section, fontKey(row), fontName(fileName),
                                                                        iniPath);
        !named)
        return named;
    const int key = row + kFirstInstalledFontKey;
    if (settings::readFontCount(iniPath) < key)
        return common::WritePrivateProfileStringA(section, QString::fromLatin1(settings::kKeyFontNum),
                                                  QString::number(key), iniPath);
    return common::Status::success();
}

common::Status uninstallFont(const QString &iniPath, int row)
{
    const QString path = recordedPath(iniPath, row);
    if (!common::WritePrivateProfileStringA(QString::fromLatin1(kSectionInstalledFonts), recordKey(row),
                                            QString(), iniPath))
        return common::Status::failure(FontText::tr(kRegisterFailure));
    if (!path.isEmpty())
        unloadFont(path);
    return common::WritePrivateProfileStringA(QString::fromLatin1(settings::kSectionFont), fontKey(row), QString(),
                                              iniPath);
}

QStringList loadInstalledFonts(const QString &iniPath)
{
    QStringList failed;
    // Rows follow the Fonts folder; a record past the last font file of the
    // folder belongs to a file that has gone and is reported like it.
    const int rows = std::max(settings::readFontCount(iniPath), kFirstInstalledFontKey) - kFirstInstalledFontKey + 1;
    for (int row = 0; row < rows; ++row) {
        const QString path = recordedPath(iniPath, row);
        if (!path.isEmpty() && !loadFont(path))
            failed << QFileInfo(path).fileName();
    }
    return failed;
}

} // namespace halvane::encode
