// Schema (ProgID "Corvela.Schema"): the property schema of a channel or
// column. Five built-in properties (ids 9999 ... 9995) come first in every
// loaded schema, then the channel's own ones from ChannelSchema by ascending
// id; rows named like a built-in (in any case) are not listed. ExtSchema is
// the channel's Schema2.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/automation/dispatch_table.h"

namespace corvela::structure {

class Property;
class Schema2;

class Schema : public DispatchObject<Schema> {
 public:
  static constexpr std::string_view kClassName = "Schema";
  static const DispatchTable<Schema>& dispatchTable();

  Schema();
  ~Schema() override;

  // A fresh Schema2 when none is set.
  std::shared_ptr<Schema2> ExtSchema();
  void setExtSchema(std::shared_ptr<Schema2> ext);

  // The schema's own Property object; 513 "Schema" when there is none.
  std::shared_ptr<Property> GetProperty(int32_t sPropertyID);
  // Matched case-sensitively; 513 "Schema" when there is none.
  std::shared_ptr<Property> GetPropertyByName(std::string_view sPropertyName);
  // Adds or redefines the named property in the database, then loads again.
  void AddProperty(std::string_view PropertyName, std::string_view Alias, std::string_view PropertyType,
                   std::string_view InputType, std::string_view Options);
  void DeleteProperty(std::string_view PropertyName);
  void Load(int32_t ChannelId);
  // Writes every listed property back to its row (ExtSchema is saved apart).
  void Update();

  std::unique_ptr<Enumerator> newEnum() override;

  const std::vector<std::shared_ptr<Property>>& properties() const { return properties_; }
  int32_t channelId() const { return channelId_; }

 private:
  std::vector<std::shared_ptr<Property>> properties_;
  std::shared_ptr<Schema2> ext_;
  int32_t channelId_ = -1;
};

inline constexpr int32_t kSchemaError = 513;
inline constexpr int32_t kSchemaNotLoadedOnDelete = 4097;
inline constexpr int32_t kSchemaNotLoadedOnUpdate = 4099;

// The ids of the built-in properties; custom ones never take them.
inline constexpr int32_t kFirstBuiltInId = 9995;
inline constexpr int32_t kLastBuiltInId = 9999;

}  // namespace corvela::structure
