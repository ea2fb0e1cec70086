#include "qt/qt_fonts.h"

#include "core/codepage.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>

namespace vorlane {

namespace {

// The family that stands in for a face name: the name itself when fontconfig knows it
// exactly or maps it to a metric-compatible face, else the default sans face.
QString ResolvedFamily(const QString& name) {
    static QHash<QString, QString> cache;
    if (auto found = cache.constFind(name); found != cache.constEnd())
        return *found;
    QFont probe(name);
    probe.setStyleHint(QFont::SansSerif);
    QString family = QFontInfo(probe).family();
    if (family.isEmpty())
        family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    if (family.isEmpty())
        family = QStringLiteral("Liberation Sans");
    cache.insert(name, family);
    return family;
}

} // namespace

QFont PageFont(const FontSpec& font, double pointSize) {
    QString name = PageText(font.Name).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("Arial");
    QFont q(ResolvedFamily(name));
    q.setStyleHint(QFont::SansSerif);
    q.setPointSizeF(pointSize > 0 ? pointSize : 1.0);
    q.setBold(font.Bold);
    q.setItalic(font.Italic);
    q.setUnderline(font.Underline);
    q.setStrikeOut(font.StrikeOut);
    q.setHintingPreference(QFont::PreferNoHinting);
    q.setKerning(false);
    return q;
}

QString PageText(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

} // namespace vorlane
