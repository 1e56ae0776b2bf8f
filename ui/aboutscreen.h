#pragma once

#include <QDialog>
#include <QImage>

namespace oltrave {

// The About screen: the About picture in a thin frame, shown modally; any click or
// key press closes it.
class AboutScreen : public QDialog {
    Q_OBJECT
  public:
    explicit AboutScreen(QWidget* parent = nullptr);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_; // drawn for the current device pixel ratio
};

} // namespace oltrave
