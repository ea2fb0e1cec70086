#include "ui/common/window_helpers.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>
#include <QWidget>

#include <cmath>

namespace vorlane {

QFont DesignFont(bool bold) {
    QFont font(QString::fromLatin1(kDesignFontFamily));
    font.setPointSizeF(kDesignFontPointSize);
    font.setBold(bold);
    return font;
}

ProgramFont FontFromSetting(const FontSetting& setting) {
    ProgramFont font;
    font.Font = QFont(QString::fromStdString(setting.Name));
    font.Font.setBold(setting.Bold);
    font.Font.setItalic(setting.Italic);
    // A negative value names a system colour: the control's own text colour.
    if (setting.Color >= 0) {
        const auto c = static_cast<std::uint32_t>(setting.Color);
        font.Color = QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                            static_cast<int>((c >> 16) & 0xFF));
    }
    return font;
}

FontSetting SettingFromFont(const ProgramFont& font) {
    FontSetting setting;
    setting.Name = font.Font.family().toStdString();
    setting.Bold = font.Font.bold();
    setting.Italic = font.Font.italic();
    if (font.Color.isValid())
        setting.Color =
            static_cast<std::int32_t>(static_cast<std::uint32_t>(font.Color.red()) |
                                      (static_cast<std::uint32_t>(font.Color.green()) << 8) |
                                      (static_cast<std::uint32_t>(font.Color.blue()) << 16));
    else
        setting.Color = -16777208; // clWindowText
    return setting;
}

ProgramFonts FontsFromSettings(const Settings& settings) {
    return {FontFromSetting(settings.LabelFont), FontFromSetting(settings.EditFont),
            FontFromSetting(settings.ButtonFont)};
}

void StoreFonts(const ProgramFonts& fonts, Settings& settings) {
    settings.LabelFont = SettingFromFont(fonts.Label);
    settings.EditFont = SettingFromFont(fonts.Edit);
    settings.ButtonFont = SettingFromFont(fonts.Button);
}

namespace {

void GiveFont(QWidget* widget, const ProgramFont& font, bool withColour) {
    QFont f = widget->font();
    f.setFamily(font.Font.family());
    f.setBold(font.Font.bold());
    f.setItalic(font.Font.italic());
    widget->setFont(f);
    if (withColour && font.Color.isValid()) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, font.Color);
        palette.setColor(QPalette::Text, font.Color);
        palette.setColor(QPalette::ButtonText, font.Color);
        widget->setPalette(palette);
    }
}

} // namespace

void ApplyFonts(QWidget* window, const ProgramFonts& fonts) {
    const QList<QWidget*> children = window->findChildren<QWidget*>();
    for (QWidget* w : children) {
        if (qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w) ||
            qobject_cast<QRadioButton*>(w)) {
            GiveFont(w, fonts.Label, true);
        } else if (qobject_cast<QListView*>(w) || qobject_cast<QGroupBox*>(w)) {
            GiveFont(w, fonts.Label, false);
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            // A line edit inside a combo box or spin box takes its owner's font.
            if (qobject_cast<QComboBox*>(w->parentWidget()) ||
                qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
                continue;
            GiveFont(w, fonts.Edit, edit->inputMask().isEmpty());
        } else if (qobject_cast<QTableView*>(w) || qobject_cast<QComboBox*>(w) ||
                   qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QTextEdit*>(w) ||
                   qobject_cast<QPlainTextEdit*>(w)) {
            GiveFont(w, fonts.Edit, true);
        } else if (qobject_cast<QPushButton*>(w)) {
            GiveFont(w, fonts.Button, false);
        }
    }
}

double ScaleRatio(double factor) {
    return std::trunc(factor * 100.0 + 1e-9) / 100.0;
}

namespace {

// Controls hold other controls only when they are plain containers; the inner parts of a
// list box, combo box or scroll area are placed by their owner.
bool IsContainer(const QWidget* w) {
    if (w->metaObject() == &QWidget::staticMetaObject || qobject_cast<const QGroupBox*>(w))
        return true;
    return qobject_cast<const QFrame*>(w) && !qobject_cast<const QAbstractScrollArea*>(w) &&
           !qobject_cast<const QLabel*>(w);
}

} // namespace

bool DesignGeometry::Store(QWidget* window, int maxEntries) {
    m_window = window;
    m_clientSize = window->size();
    m_entries.clear();
    std::vector<QWidget*> pending{window};
    for (std::size_t next = 0; next < pending.size(); ++next) {
        QWidget* parent = pending[next];
        const QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* w : children) {
            if (w->isWindow())
                continue;
            if (static_cast<int>(m_entries.size()) >= maxEntries)
                return false;
            Entry e;
            e.Widget = w;
            e.Geometry = w->geometry();
            // Controls placed by a layout get their geometry from it.
            e.HasGeometry = !parent->layout();
            e.PointSize = w->font().pointSizeF();
            e.PixelSize = w->font().pixelSize();
            if (auto* button = qobject_cast<QAbstractButton*>(w);
                button && !button->icon().isNull())
                e.IconSize = button->iconSize();
            m_entries.push_back(e);
            if (IsContainer(w))
                pending.push_back(w);
        }
    }
    return true;
}

void DesignGeometry::Apply(double ratio) const {
    auto scale = [ratio](int v) { return static_cast<int>(std::lround(v * ratio)); };
    for (const Entry& e : m_entries) {
        if (!e.Widget)
            continue;
        if (e.HasGeometry)
            e.Widget->setGeometry(scale(e.Geometry.x()), scale(e.Geometry.y()),
                                  scale(e.Geometry.width()), scale(e.Geometry.height()));
        QFont f = e.Widget->font();
        if (e.PointSize > 0)
            f.setPointSizeF(e.PointSize * ratio);
        else if (e.PixelSize > 0)
            f.setPixelSize(scale(e.PixelSize));
        e.Widget->setFont(f);
        if (e.IconSize.isValid())
            static_cast<QAbstractButton*>(e.Widget.data())
                ->setIconSize(QSize(scale(e.IconSize.width()), scale(e.IconSize.height())));
    }
    if (m_window) {
        const QSize size(scale(m_clientSize.width()), scale(m_clientSize.height()));
        m_window->setFixedSize(size);
    }
}

QPoint CentredPosition(QSize window, QSize screen) {
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}

void ScaleAndCentre(QWidget* window, double factor, QSize screen) {
    DesignGeometry geometry;
    geometry.Store(window);
    geometry.Apply(ScaleRatio(factor));
    window->move(CentredPosition(window->size(), screen));
}

} // namespace vorlane
