#include "profiles/ProfileListBox.h"

#include "profiles/NameOrder.h"

#include <QListWidget>

void ProfileListBox::Clear()
{
    list_.clear();
}

void ProfileListBox::Add(const std::string& name)
{
    const QString text = QString::fromStdString(name);
    int row = list_.count();
    if (sorted_) {
        // Binary search for the first entry that sorts after the name.
        int low = 0;
        while (low < row) {
            const int mid = (low + row) / 2;
            if (NameLess(name, list_.item(mid)->text().toStdString()))
                row = mid;
            else
                low = mid + 1;
        }
    }
    list_.insertItem(row, text);
}
