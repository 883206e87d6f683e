#pragma once

#include <QString>
#include <QWidget>

#include "twips.h"

namespace dropline::ui {

// A windowless picture (a disc), placed in twips. Its picture is shared with
// the image it was copied from, never duplicated. It takes no clicks: they
// fall through to whatever lies under it. Screen readers meet it as an image.
class DiscImage : public QWidget {
    Q_OBJECT
public:
    DiscImage(const QString &picture, const TwipsRect &place, QWidget *parent = nullptr);

    QString picture() const { return picture_; }
    void setPicture(const QString &picture);

    TwipsRect place() const { return place_; }
    void moveTo(double leftTwips, double topTwips);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString picture_;
    TwipsRect place_;
};

}  // namespace dropline::ui
