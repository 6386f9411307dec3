#pragma once

#include <QFrame>

class QLineEdit;
class QPushButton;

namespace vexo::workspace {

// The bar shown instead of the upper half while that is hidden (full screen):
// its own go-to boxes, previous/next and record navigator.
class CompactBar : public QFrame {
    Q_OBJECT
public:
    explicit CompactBar(QWidget* parent = nullptr);

    QLineEdit* edForm;
    QLineEdit* edTable;
    QPushButton* btnGo;
    QPushButton* btnPrev;
    QPushButton* btnNext;
    QWidget* navigatorHost;
};

}  // namespace vexo::workspace
