// The picture of the sheet on which the user clicks where the receiver is clipped.
#pragma once

#include <QLabel>

/// A sheet in one orientation with the receiver drawn at one of eight positions around it,
/// by index: upper left, upper middle, upper right, middle left, middle right, lower left,
/// lower middle, lower right. A press in one of the outer cells of a 3 by 3 grid over the
/// picture chooses that position; the centre chooses nothing.
class ReceiverPositionPicture : public QLabel
{
    Q_OBJECT

public:
    ReceiverPositionPicture(bool landscape, QWidget *parent);

    /// The position whose angle the settings hold ("-45" ... "180"); -1 for any other text.
    static int positionOfAngle(const QString &angle);
    /// The angle the settings hold for a position (0 to 7).
    static QString angleOf(int position);

    /// Shows the receiver at position; with -1 (none chosen) at the upper middle.
    void showPosition(int position);

signals:
    void positionChosen(int position);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool m_landscape;
};
