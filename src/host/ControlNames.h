#pragma once

#include <QString>

namespace quorlex {

// Control names that the program's code refers to: windows, bars and the menu items whose
// state a command changes. Menu rows name their own items where they are defined.
namespace Control {
// The main window's parts.
inline const QString Text1 = QStringLiteral("Text1");
inline const QString Toolbar1 = QStringLiteral("Toolbar1"); // the file bar
inline const QString Toolbar2 = QStringLiteral("Toolbar2"); // the tag bar
inline const QString StatusBar1 = QStringLiteral("StatusBar1");
inline const QString TabStrip1 = QStringLiteral("TabStrip1");
inline const QString Picture1 = QStringLiteral("Picture1");

// Menu items whose state commands set.
inline const QString E_Undo = QStringLiteral("E_Undo");
inline const QString E_AllClear = QStringLiteral("E_AllClear");
inline const QString T_W_Filebar = QStringLiteral("T_W_Filebar");
inline const QString T_W_TagBar = QStringLiteral("T_W_TagBar");

// Menu control arrays, filled at run time.
inline const QString T_C_Item = QStringLiteral("T_C_Item");
inline const QString T_T_Item = QStringLiteral("T_T_Item");

// The file bar's two-state colour button.
inline const QString ColorButtonKey = QStringLiteral("color");
} // namespace Control

// The name of element index of a menu control array ("T_C_Item_2").
inline QString elementName(const QString& array, int index)
{
    return array + u'_' + QString::number(index);
}

} // namespace quorlex
