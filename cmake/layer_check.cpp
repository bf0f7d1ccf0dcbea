// Compiled against each rules library: the rules see Qt Core and nothing above it.
#if __has_include(<QWidget>) || __has_include(<QPainter>) || __has_include(<QPrinter>)
#error "a rules library reaches Qt Widgets, Qt Gui or Qt PrintSupport"
#endif
#include <QtGlobal>
