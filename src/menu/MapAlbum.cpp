#include "MapAlbum.h"

#include "menu/MenuRules.h"
#include "platform/Files.h"
#include "state/Profiles.h"
#include "widgets/Art.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScrollBar>
#include <algorithm>

namespace vlnobrod {

namespace {

constexpr int RowGap = 3;

const QString plainFrame = QStringLiteral("background: #c8d8e0; border: 1px solid #5a3b1a;");
const QString chosenFrame = QStringLiteral("background: #c8d8e0; border: 3px solid #b01010;");

QFont albumFont() {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(9.75);
    return f;
}

} // namespace

MapAlbum::MapAlbum(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setStyleSheet(QStringLiteral("MapAlbum { background: #f7efd9; }"));
    pic1 = new QFrame(this);
    pic1->setStyleSheet(QStringLiteral("background: transparent;"));
    vsAlba = new QScrollBar(Qt::Vertical, this);
    vsAlba->setRange(0, 0);
    vsAlba->setSingleStep(ThumbHeight / 4);
    vsAlba->setPageStep(ThumbHeight + RowGap);
    connect(vsAlba, &QScrollBar::valueChanged, this, [this](int v) { pic1->move(0, -v); });
    // Reached by the keys only; a click on a thumbnail leaves the focus where it is.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Mapy"));
    setAccessibleDescription(QStringLiteral("Šipky vybírají mapu, Enter ji otevře"));
}

void MapAlbum::AddRow() {
    const int i = static_cast<int>(imgMap.size());
    auto* thumb = new ClickLabel(QString(), pic1);
    thumb->setFixedSize(ThumbWidth, ThumbHeight);
    thumb->setScaledContents(true);
    thumb->setCursor(art::HandCursor());
    thumb->setStyleSheet(plainFrame);
    connect(thumb, &ClickLabel::clicked, this, [this, i] {
        if (imgMap_Click)
            imgMap_Click(i);
    });
    imgMap.push_back(thumb);
    maps_.emplace_back();

    // The album shows what the map files say, as written.
    auto* title = new QLabel(pic1);
    title->setTextFormat(Qt::PlainText);
    title->setFont(art::HeavyFont(9.75));
    lblMapNázev.push_back(title);
    auto* cities = new QLabel(pic1);
    cities->setTextFormat(Qt::PlainText);
    cities->setFont(albumFont());
    lblMapMesta.push_back(cities);
    auto* description = new QLabel(pic1);
    description->setTextFormat(Qt::PlainText);
    description->setFont(albumFont());
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMapPopis.push_back(description);
}

QString MapAlbum::MapAt(int index) const {
    if (index < 0 || index >= count_ || index >= static_cast<int>(maps_.size()))
        return {};
    return maps_[static_cast<std::size_t>(index)];
}

void MapAlbum::Build(Profiles& profiles, const QString& dataFolder) {
    // The scroll bar stands at the right edge; the strip takes the rest of the width.
    vsAlba->setGeometry(width() - vsAlba->sizeHint().width() - 2, 0, vsAlba->sizeHint().width(),
                        height() - 2);
    const int stripWidth = vsAlba->x() - 2;

    const QStringList files = files::List(dataFolder, QStringLiteral("*.mlo"));
    count_ = static_cast<int>(files.size());
    while (static_cast<int>(imgMap.size()) < count_)
        AddRow();

    int bottom = 0;
    for (int i = 0; i < static_cast<int>(imgMap.size()); ++i) {
        const auto k = static_cast<std::size_t>(i);
        ClickLabel* thumb = imgMap[k];
        QLabel* title = lblMapNázev[k];
        QLabel* cities = lblMapMesta[k];
        QLabel* description = lblMapPopis[k];
        const bool used = i < count_;
        for (QWidget* w : {static_cast<QWidget*>(thumb), static_cast<QWidget*>(title),
                           static_cast<QWidget*>(cities), static_cast<QWidget*>(description)})
            w->setVisible(used);
        if (!used)
            continue;

        const QString name = files[i];
        const QString base = name.left(name.size() - 4);
        const QString file = dataFolder + QLatin1Char('/') + name;
        // A missing or unreadable picture leaves an empty frame.
        const QPixmap picture(dataFolder + QLatin1Char('/') + base + QStringLiteral(".jpg"));
        if (picture.isNull())
            thumb->clear();
        else
            thumb->setPixmap(picture);
        maps_[k] = base;

        const MapInfo info = ReadMapInfo(profiles, file.toStdString());
        title->setText(QString::fromStdString(info.title));
        cities->setText(QString::fromStdString(info.cities));
        description->setText(QString::fromStdString(info.description));
        // A screen reader names the picture by the map's title and tells what the row says.
        thumb->setAccessibleName(title->text().isEmpty() ? base : title->text());
        thumb->setAccessibleDescription(cities->text() + QLatin1Char(' ') + description->text());

        const int top = i == 0 ? 2 : imgMap[k - 1]->y() + imgMap[k - 1]->height() + RowGap;
        thumb->move(2, top);
        const int textLeft = thumb->x() + thumb->width();
        const int textWidth = stripWidth - textLeft - 12;
        title->setGeometry(textLeft + 8, top + 3, textWidth, title->sizeHint().height());
        cities->setGeometry(textLeft + 10, title->y() + title->height() + 3, textWidth,
                            cities->sizeHint().height());
        const int descTop = cities->y() + cities->height() + 3;
        description->setGeometry(textLeft + 10, descTop, textWidth,
                                 std::max(0, top + ThumbHeight - descTop));
        bottom = top + ThumbHeight + 4;
    }
    pic1->setGeometry(0, 0, stripWidth, count_ == 0 ? 0 : bottom);
    vsAlba->setValue(0);
    UpdateScrollRange();
    SetCurrent(count_ > 0 ? 0 : -1);
}

void MapAlbum::SetCurrent(int index) {
    current_ = index;
    FrameCurrent();
    if (index < 0)
        return;
    // The chosen row scrolls into sight.
    const ClickLabel* thumb = imgMap[static_cast<std::size_t>(index)];
    const int top = thumb->y() - 2;
    const int bottom = thumb->y() + thumb->height() + 4;
    if (top < vsAlba->value())
        vsAlba->setValue(top);
    else if (bottom > vsAlba->value() + height())
        vsAlba->setValue(bottom - height());
}

void MapAlbum::FrameCurrent() {
    for (int i = 0; i < static_cast<int>(imgMap.size()); ++i)
        imgMap[static_cast<std::size_t>(i)]->setStyleSheet(
            i == current_ && hasFocus() ? chosenFrame : plainFrame);
}

void MapAlbum::keyPressEvent(QKeyEvent* e) {
    if (count_ == 0 || (e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QFrame::keyPressEvent(e);
        return;
    }
    const int last = count_ - 1;
    switch (e->key()) {
    case Qt::Key_Down:
        SetCurrent(std::min(current_ + 1, last));
        break;
    case Qt::Key_Up:
        SetCurrent(std::max(current_ - 1, 0));
        break;
    case Qt::Key_Home:
        SetCurrent(0);
        break;
    case Qt::Key_End:
        SetCurrent(last);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (current_ >= 0 && imgMap_Click)
            imgMap_Click(current_);
        break;
    default:
        QFrame::keyPressEvent(e);
        return;
    }
    e->accept();
}

void MapAlbum::focusInEvent(QFocusEvent* e) {
    QFrame::focusInEvent(e);
    FrameCurrent();
}

void MapAlbum::focusOutEvent(QFocusEvent* e) {
    QFrame::focusOutEvent(e);
    FrameCurrent();
}

void MapAlbum::UpdateScrollRange() {
    const int overflow = pic1->height() - height();
    vsAlba->setMaximum(overflow > 0 ? overflow : 0);
}

void MapAlbum::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    UpdateScrollRange();
}

} // namespace vlnobrod
