#include "deployservice/ftp_items.h"

#include "platform/automation/member_binding.h"

namespace corvela::deployservice {

const DispatchTable<clsItem>& clsItem::dispatchTable() {
  static const DispatchTable<clsItem> table = Members<clsItem>()
                                                  .readOnly<&clsItem::Name>("Name")
                                                  .readOnly<&clsItem::Attributes>("Attributes")
                                                  .readOnly<&clsItem::bIsReadOnly>("bIsReadOnly")
                                                  .readOnly<&clsItem::bIsHidden>("bIsHidden")
                                                  .readOnly<&clsItem::bIsSystem>("bIsSystem")
                                                  .readOnly<&clsItem::bIsDirectory>("bIsDirectory")
                                                  .readOnly<&clsItem::bIsArchive>("bIsArchive")
                                                  .readOnly<&clsItem::bIsNormal>("bIsNormal")
                                                  .readOnly<&clsItem::bIsTemporary>("bIsTemporary")
                                                  .readOnly<&clsItem::bIsCompressed>("bIsCompressed")
                                                  .readOnly<&clsItem::bIsOffline>("bIsOffline")
                                                  .build();
  return table;
}

const DispatchTable<colItem>& colItem::dispatchTable() {
  static const DispatchTable<colItem> table = Members<colItem>()
                                                  .method<&colItem::Add>("Add")
                                                  .method<&colItem::Remove>("Remove")
                                                  .readOnly<&colItem::Count>("Count")
                                                  .method<&colItem::Item>("Item")
                                                  .asDefault()
                                                  .method<&colItem::Clear>("Clear")
                                                  .build();
  return table;
}

void colItem::Add(std::string_view name, int32_t attributes) {
  items_.push_back(std::make_shared<clsItem>(std::string(name), attributes));
}

void colItem::Remove(int32_t index) {
  if (index < 1 || index > Count()) raiseRuntimeError(9);
  items_.erase(items_.begin() + (index - 1));
}

std::shared_ptr<clsItem> colItem::Item(int32_t index) const {
  if (index < 1 || index > Count()) raiseRuntimeError(9);
  return items_[static_cast<size_t>(index - 1)];
}

void colItem::Clear() {
  while (!items_.empty()) items_.pop_back();
}

}  // namespace corvela::deployservice
