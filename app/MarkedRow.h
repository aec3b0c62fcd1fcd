#pragma once

#include <QColor>
#include <QFont>
#include <QTableWidgetItem>

// A row of a table that the window points out (the game just finished, a costly decision): bold
// black on light yellow, whatever the style's colours, and said by a screen reader with the reason.
inline void markItem(QTableWidgetItem *item, const QString &why)
{
    QFont bold = item->font();
    bold.setBold(true);
    item->setFont(bold);
    item->setBackground(QColor(255, 236, 150));
    item->setForeground(QColor(0, 0, 0));
    item->setData(Qt::AccessibleDescriptionRole, why);
}
