// ChannelManager: loading and storing the tree, path and id lookups, and the
// tree changes that run in one write transaction.
#include "structure/channel_manager.h"

#include <algorithm>

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "core/text_limits.h"
#include "core/write_transaction.h"
#include "platform/automation/collection.h"
#include "platform/automation/com_error.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"
#include "platform/text/utf8.h"
#include "platform/xml/xml_node.h"
#include "platform/xml/xml_node_list.h"
#include "structure/channel.h"
#include "structure/channel_tree_paths.h"

namespace corvela::structure {

namespace {

using core::comDAL;
using xml::XmlNode;

constexpr const char* kSelectTree = "SELECT * FROM cms_channels";
constexpr const char* kTreeCounter = "cms_channels";
constexpr const char* kRootName = "structure";
constexpr const char* kChannelManagerSource = "ChannelManager";
constexpr const char* kUnreadableTreeText =
    "The stored channel tree is not well-formed XML; it is left unchanged until it is repaired";
constexpr const char* kTreeTooLongText = "The channel tree would be longer than 65535 characters; nothing was changed";

void raiseTreeError(const char* source, const char* description) {
  throw ComError(kChannelTreeError, source, description);
}

int32_t idOf(const XmlNode& element) { return element.getAttribute("id").toLong(); }

}  // namespace

ChannelManager::ChannelManager() : structure_(kEmptyTree) {}
ChannelManager::~ChannelManager() = default;

void ChannelManager::requireInit() const {
  if (!document_) raiseRuntimeError(91);
}

void ChannelManager::loadStructure(comDAL& dal) {
  auto rows = dal.DoSelect(kSelectTree);
  if (rows->eof()) {
    // Two first Inits at once must not both insert a row.
    core::beginWriteTransaction(dal);
    rows = dal.DoSelect(kSelectTree);
    if (rows->eof())
      dal.execCommand(std::string("INSERT INTO cms_channels (structure,id) VALUES ('") + kEmptyTree + "'," +
                      std::to_string(core::newID(kTreeCounter)) + ")");
  }
  if (!rows->eof()) structure_ = core::textValue(rows->value("structure"));
  auto document = XmlNode::newDocument();
  // A blank stored text holds no channels to lose.
  bool blank = structure_.find_first_not_of(" \t\r\n") == std::string::npos;
  storedTreeParses_ = document->loadXML(structure_) || blank;
  if (!document->documentElement()) document->loadXML(kEmptyTree);
  document_ = std::move(document);
}

void ChannelManager::storeStructure(comDAL& dal) {
  std::string text = core::doubledQuotesCut(structure_, kStructureLimit);
  if (text.empty()) text = " ";
  if (text.find_first_not_of(' ') == std::string::npos) text = kEmptyTree;
  structure_ = text;
  if (dal.DoSelect(kSelectTree)->eof())
    dal.execCommand("INSERT INTO cms_channels(structure,id) VALUES ('" + text + "'," +
                    std::to_string(core::newID(kTreeCounter)) + ")");
  else
    dal.execCommand("UPDATE cms_channels SET structure='" + text + "'");
  loadStructure(dal);
}

bool ChannelManager::Init() {
  return core::runVoting(nullptr, [&] {
    comDAL dal;
    loadStructure(dal);
    return true;
  });
}

bool ChannelManager::SaveConfig() {
  return core::runVoting(nullptr, [&] {
    comDAL dal;
    storeStructure(dal);
    return true;
  });
}

template <class Change>
void ChannelManager::changeTree(Change&& change) {
  core::runVoting(nullptr, [&] {
    comDAL dal;
    core::beginWriteTransaction(dal);
    loadStructure(dal);
    // A tree that does not parse loads as the empty one; changing that would
    // store the empty tree over every channel of the stored text.
    if (!storedTreeParses_) raiseTreeError(kChannelManagerSource, kUnreadableTreeText);
    change();
    structure_ = document_->xml();
    // Cut to the column limit, the tree would no longer parse.
    size_t quotes = static_cast<size_t>(std::count(structure_.begin(), structure_.end(), '\''));
    if (core::doubledQuotesCut(structure_, kStructureLimit).size() != structure_.size() + quotes)
      raiseTreeError(kChannelManagerSource, kTreeTooLongText);
    storeStructure(dal);
  });
}

void ChannelManager::deleteBranch(std::shared_ptr<XmlNode> element) {
  // Rows first, descendants in document order, then the channel itself; the
  // element goes only when every row is gone. An element whose row is
  // already missing has nothing left to delete.
  std::vector<int32_t> ids;
  std::shared_ptr<xml::XmlNodeList> below = element->selectNodes(".//node()");
  for (const auto& node : below->nodes()) {
    auto descendant = std::dynamic_pointer_cast<XmlNode>(node);
    if (descendant && descendant->nodeType() == xml::kElementNode) ids.push_back(idOf(*descendant));
  }
  ids.push_back(idOf(*element));
  comDAL dal;
  for (int32_t id : ids) {
    if (dal.DoSelect("SELECT id FROM cms_channel WHERE id=" + std::to_string(id))->eof()) continue;
    Channel().Del(id);
  }
  element->parentNode()->removeChild(element);
}

Variant ChannelManager::DelChannel(std::string_view ColumnPath) {
  requireInit();
  std::string path = channelPath(ColumnPath, kDelChannelPathSource, kDelChannelPathText);
  changeTree([&] {
    auto element = document_->selectElement(channelXPath(path));
    if (!element) raiseTreeError(kDelColumnSource, kNoColumnText);
    deleteBranch(element);
  });
  return Variant();
}

Variant ChannelManager::DelChannel2(int32_t Columnid) {
  requireInit();
  changeTree([&] {
    auto element = document_->selectElement(channelIdXPath(Columnid));
    if (!element) raiseTreeError(kDelColumnSource, kNoColumnText);
    deleteBranch(element);
  });
  return Variant();
}

std::string ChannelManager::GetPath(int32_t Columnid) {
  requireInit();
  auto element = document_->selectElement(channelIdXPath(Columnid));
  if (!element) raiseTreeError(kGetPathSource, kGetPathNoColumnText);
  std::string path = element->nodeName();
  for (auto parent = element->parentNode(); parent && text::toLower(parent->nodeName()) != kRootName;
       parent = parent->parentNode())
    path = parent->nodeName() + "/" + path;
  return "/" + path;
}

int32_t ChannelManager::GetChannelID(std::string_view ColumnPath) {
  requireInit();
  std::string path = channelPath(ColumnPath, kGetChannelIdSource, kInvalidChannelText);
  auto element = document_->selectElement(channelXPath(path));
  if (!element) raiseTreeError(kGetChannelIdSource, kNoChannelText);
  return idOf(*element);
}

void ChannelManager::renameElement(std::shared_ptr<XmlNode> element, std::string_view newname) {
  auto renamed = document_->createElement(newname);
  renamed->setAttribute("id", element->getAttribute("id"));
  while (auto child = element->firstChild()) renamed->appendChild(child);
  auto parent = element->parentNode();
  parent->appendChild(renamed);
  parent->removeChild(element);
}

void ChannelManager::RenameChannel(std::string_view ColumnPath, std::string_view newname) {
  requireInit();
  std::string path = channelPath(ColumnPath, kRenameSource, kInvalidChannelText);
  changeTree([&] {
    auto element = document_->selectElement(channelXPath(path));
    if (!element) raiseTreeError(kRenameSource, kNoChannelText);
    renameElement(element, newname);
  });
}

void ChannelManager::renameChannelById(int32_t id, std::string_view newname) {
  changeTree([&] {
    auto element = document_->selectElement(channelIdXPath(id));
    if (!element) raiseTreeError(kGetPathSource, kGetPathNoColumnText);
    renameElement(element, newname);
  });
}

std::shared_ptr<Collection> ChannelManager::channelsOf(std::string_view xpath) {
  auto channels = std::make_shared<Collection>();
  std::shared_ptr<xml::XmlNodeList> elements = document_->selectNodes(xpath);
  for (const auto& node : elements->nodes()) {
    auto element = std::dynamic_pointer_cast<XmlNode>(node);
    if (!element || element->nodeType() != xml::kElementNode) continue;
    auto channel = std::make_shared<Channel>();
    channel->Load(idOf(*element));
    channels->add(Variant(std::shared_ptr<Object>(channel)));
  }
  return channels;
}

std::shared_ptr<Collection> ChannelManager::RootChannels() {
  requireInit();
  return channelsOf("/structure/*");
}

std::shared_ptr<Collection> ChannelManager::SubChannels(std::string_view ColumnPath) {
  requireInit();
  std::string path = channelPath(ColumnPath, kSubChannelsSource, kInvalidColumnText);
  // The root's children, not every channel of the tree ("/structure//*").
  if (path.empty()) return RootChannels();
  return channelsOf(channelXPath(path) + "/*");
}

std::shared_ptr<Channel> ChannelManager::ParentChannel(std::string_view ColumnPath) {
  requireInit();
  std::string path = channelPath(ColumnPath, kParentSource, kInvalidChannelText);
  auto element = document_->selectElement(channelXPath(path));
  if (!element) raiseTreeError(kParentSource, kInvalidChannelText);
  int32_t id = idOf(*element);
  auto parent = element->parentNode();
  if (parent && parent->nodeName() != kRootName) id = idOf(*parent);
  auto channel = std::make_shared<Channel>();
  channel->Load(id);
  return channel;
}

int32_t ChannelManager::AddChannel(std::string_view ChannelPath, std::string_view Template,
                                   std::string_view NameMethod) {
  std::string path = channelPath(ChannelPath, kAddChannelSource, kInvalidChannelText);
  size_t slash = path.rfind('/');
  std::string parentPath = slash == std::string::npos ? std::string() : path.substr(0, slash);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.empty()) raiseTreeError(kAddChannelSource, kInvalidChannelText);
  int32_t id = -1;
  changeTree([&] {
    auto parent = parentPath.empty() ? document_->documentElement() : document_->selectElement(channelXPath(parentPath));
    if (!parent) raiseTreeError(kAddChannelSource, kNoChannelText);
    // The element name is checked before any row is written.
    auto element = document_->createElement(name);
    if (parent->selectElement(name)) raiseTreeError(kAddChannelSource, kChannelExistsText);
    Channel channel;
    channel.setName(name);
    channel.setTemplate(Template);
    channel.setNameMethod(NameMethod);
    channel.Save();
    id = channel.ID();
    element->setAttribute("id", Variant(id));
    parent->appendChild(element);
  });
  return id;
}

const DispatchTable<ChannelManager>& ChannelManager::dispatchTable() {
  static const DispatchTable<ChannelManager> table = Members<ChannelManager>()
      .property<&ChannelManager::Structure, &ChannelManager::setStructure>("Structure")
      .method<&ChannelManager::Init>("Init")
      .method<&ChannelManager::SaveConfig>("SaveConfig")
      .method<&ChannelManager::DelChannel>("DelChannel")
      .method<&ChannelManager::DelChannel2>("DelChannel2")
      .method<&ChannelManager::GetPath>("GetPath")
      .method<&ChannelManager::GetChannelID>("GetChannelID")
      .method<&ChannelManager::RenameChannel>("RenameChannel")
      .method<&ChannelManager::RootChannels>("RootChannels")
      .method<&ChannelManager::SubChannels>("SubChannels")
      .method<&ChannelManager::ParentChannel>("ParentChannel")
      .build();
  return table;
}

}  // namespace corvela::structure
