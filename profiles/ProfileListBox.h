#pragma once

#include "profiles/ProfileStore.h"

class QListWidget;

// A list box filled by FillProfileList. A sorted one keeps its names in the order a Russian
// reader expects (NameLess); equal names stay in file order.
class ProfileListBox final : public ProfileList {
  public:
    ProfileListBox(QListWidget& list, bool sorted) : list_(list), sorted_(sorted) {}
    void Clear() override;
    void Add(const std::string& name) override;

  private:
    QListWidget& list_;
    bool sorted_;
};
