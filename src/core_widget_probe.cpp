// Compiled with the core layer's settings only; a widget header must not be reachable.
#include <QWidget>
