#pragma once

class QWidget;

namespace oltrave {

// Says again, in the language now in use, every word under root that a
// translator gave: widgets' texts, titles, tooltips and accessible names,
// menus' titles and actions' texts. A tooltip that ends in a key sequence in
// brackets keeps its keys. Words no translator gave (numbers, captions such as
// "k =") stay as they are.
void sayAgain(QWidget* root);

} // namespace oltrave
