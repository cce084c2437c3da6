#pragma once

#include "widgets/ClickLabel.h"

#include <QFrame>
#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QScrollBar;

namespace vlnobrod {

class Profiles;

// The album of the new-game panel: one row per scenario map (thumbnail, title, city count,
// description) on a strip that slides inside a viewport under a scroll bar. The rows are
// made the first time they are needed and kept for the life of the album.
class MapAlbum : public QFrame {
    Q_OBJECT
public:
    static constexpr int ThumbWidth = 128;
    static constexpr int ThumbHeight = 80;

    explicit MapAlbum(QWidget* parent);

    // Fills the rows from the "*.mlo" files of `dataFolder`, in name order.
    void Build(Profiles& profiles, const QString& dataFolder);

    // How many maps the album shows now.
    int Count() const { return count_; }

    // A thumbnail was clicked: its index.
    std::function<void(int)> imgMap_Click;
    // The base name of the map file shown in row `index` ("Mapa1"); empty for no row.
    QString MapAt(int index) const;

    // The map the keys have chosen (the arrows move it, Enter clicks it), framed while the
    // album has the focus; -1 with no maps.
    int Current() const { return current_; }

    QFrame* pic1 = nullptr; // the strip
    QScrollBar* vsAlba = nullptr;
    std::vector<ClickLabel*> imgMap;
    std::vector<QLabel*> lblMapNázev;
    std::vector<QLabel*> lblMapMesta;
    std::vector<QLabel*> lblMapPopis;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void AddRow();
    void UpdateScrollRange();
    void SetCurrent(int index);
    void FrameCurrent();

    int count_ = 0;
    std::vector<QString> maps_; // by row, the map files' base names
    int current_ = -1;
};

} // namespace vlnobrod
