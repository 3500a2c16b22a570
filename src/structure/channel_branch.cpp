// Channel: what it passes down its branch of the tree (access entries and
// custom properties), and its member table.
#include <array>

#include "core/com_dal.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "platform/automation/collection.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"
#include "structure/acl.h"
#include "structure/channel.h"
#include "structure/channel_manager.h"
#include "structure/property.h"
#include "structure/schema.h"

namespace corvela::structure {

std::vector<std::shared_ptr<Channel>> Channel::subChannels() {
  ChannelManager tree;
  tree.Init();
  std::shared_ptr<Collection> found = tree.SubChannels(tree.GetPath(id_));
  std::vector<std::shared_ptr<Channel>> channels;
  for (size_t i = 0; i < found->size(); ++i)
    channels.push_back(std::dynamic_pointer_cast<Channel>(found->at(i).toObject()));
  return channels;
}

Variant Channel::ApplyACLToChild() {
  core::runVoting(nullptr, [&] {
    std::vector<std::string> users;
    auto entries = ACL().ListAllEntry(aclResource());
    for (; !entries->eof(); entries->moveNext()) users.push_back(core::textValue(entries->value("userid")));
    for (const auto& child : subChannels()) {
      child->ClearACLEntry();
      for (const std::string& user : users) child->AddACLEntry(user);
      child->ApplyACLToChild();
    }
  });
  return Variant();
}

Variant Channel::ApplySchemaToChild() {
  core::runVoting(nullptr, [&] {
    std::shared_ptr<Schema> schema = ChannelSchema();
    for (const auto& child : subChannels()) {
      std::shared_ptr<Schema> childSchema = child->ChannelSchema();
      // Built-in properties (ids 9995-9999) are in every schema already.
      for (const auto& property : schema->properties()) {
        if (property->PropertyID() >= kFirstBuiltInId && property->PropertyID() <= kLastBuiltInId) continue;
        childSchema->AddProperty(property->PropertyName(), property->Alias(), property->PropertyType(),
                                 property->InputType(), property->Options());
      }
      child->ApplySchemaToChild();
    }
  });
  return Variant();
}

const DispatchTable<Channel>& Channel::dispatchTable() {
  static const DispatchTable<Channel> table = Members<Channel>()
      .property<&Channel::Name, &Channel::setName>("Name")
      .property<&Channel::Alias, &Channel::setAlias>("Alias")
      .property<&Channel::Template, &Channel::setTemplate>("Template")
      .property<&Channel::NameMethod, &Channel::setNameMethod>("NameMethod")
      .property<&Channel::IndexTemplate, &Channel::setIndexTemplate>("IndexTemplate")
      .property<&Channel::IndexPath, &Channel::setIndexPath>("IndexPath")
      .property<&Channel::UploadDir, &Channel::setUploadDir>("UploadDir")
      .property<&Channel::IndexPagesize, &Channel::setIndexPagesize>("IndexPagesize")
      .property<&Channel::ChannelSchema, &Channel::setChannelSchema>("ChannelSchema")
      .property<&Channel::ReserveDays, &Channel::setReserveDays>("ReserveDays")
      .property<&Channel::IsOpen, &Channel::setIsOpen>("IsOpen")
      .property<&Channel::objTemplate, &Channel::setObjTemplate>("objTemplate")
      .readOnly<&Channel::ID>("ID")
      .method<&Channel::Load>("Load")
      .method<&Channel::Save>("Save")
      .method<&Channel::Del>("Del")
      .method<&Channel::ListAll>("ListAll")
      .method<&Channel::ContentCount>("ContentCount")
      .method<&Channel::NewContentCount>("NewContentCount")
      .method<&Channel::GetOpenStatus>("GetOpenStatus")
      .method<&Channel::GenerateIndex>("GenerateIndex")
      .method<&Channel::Publish>("Publish")
      .method<&Channel::AttachPublish>("AttachPublish")
      .method<&Channel::AddACLEntry>("AddACLEntry")
      .method<&Channel::DeleteACLEntry>("DeleteACLEntry")
      .method<&Channel::ClearACLEntry>("ClearACLEntry")
      .method<&Channel::ApplyACLToChild>("ApplyACLToChild")
      .method<&Channel::ApplySchemaToChild>("ApplySchemaToChild")
      .build();
  return table;
}

}  // namespace corvela::structure
