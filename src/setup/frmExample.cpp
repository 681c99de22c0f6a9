#include "setup/frmExample.h"

#include "settings/common.h"

namespace pelk::setup {

namespace {

void line(ui::Line& l, double x1, double y1, double x2, double y2) {
    l.setBorderWidth(2);
    l.setX1(x1);
    l.setY1(y1);
    l.setX2(x2);
    l.setY2(y2);
}

void thisComputer(ui::Label& l, double left, double top) {
    l.setCaption("This computer");
    l.setFontName("MS Sans Serif");
    l.setFontSize(9.75);
    l.setFontBold(true);
    l.setBackStyle(0);
    l.setAlignment(2);
    l.setVisible(false);
    l.Move(left, top, 1695, 285);
}

}  // namespace

frmExample::frmExample() {
    setCaption("Example");
    setBorderStyle(3);
    setMinButton(false);
    setMaxButton(false);
    setWidth(5280);
    setHeight(3615);
    setBackColor(settings::kWhite);

    // The server with its shared folder at the top left, a station at the top right, two below.
    line(Line1, 1320, 1200, 3960, 1200);
    line(Line2, 840, 1320, 1560, 2400);
    line(Line3, 4440, 1320, 3720, 2400);
    line(Line4, 1320, 1320, 3720, 2400);
    const double places[4][2] = {{360, 360}, {3960, 360}, {1080, 2400}, {3240, 2400}};
    for (int i = 0; i < 4; ++i) {
        ui::Image& computer = Image1(i);
        computer.setPicture(ui::Picture::design("Computer"));
        computer.setStretch(true);
        computer.Move(places[i][0], places[i][1], 960, 960);
    }
    Image2.setPicture(ui::Picture::design("Shared Folder"));
    Image2.setStretch(true);
    Image2.Move(1440, 360, 840, 720);
    thisComputer(lbl1, 0, 1380);
    thisComputer(lbl2, 3600, 60);
}

}  // namespace pelk::setup
