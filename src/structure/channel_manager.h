// ChannelManager (ProgID "Corvela.ChannelManager"): the channel tree, kept as
// one XML document in the single row of cms_channels. Each element below the
// root "structure" is a channel: its tag name is the channel's Name (its
// segment in paths such as /News/Sports) and its "id" attribute the key of
// its cms_channel row. Init must be called first; queries are answered from
// the document it loaded.
//
// Changes the class makes itself (DelChannel, DelChannel2, RenameChannel,
// and AddChannel and renameChannelById for C++ callers) read the stored tree
// afresh, change it and write it back in one write transaction, so two
// changes made at once never lose one another. They refuse (555) to change a stored tree that does not
// parse, and to store one that would not fit the column's 65535 characters:
// either would lose channels. A change of Structure saved with SaveConfig
// still replaces the stored tree: the later save wins.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela {
class Collection;
}
namespace corvela::xml {
class XmlNode;
}

namespace corvela::core {
class comDAL;
}

namespace corvela::structure {

class Channel;

class ChannelManager : public DispatchObject<ChannelManager> {
 public:
  static constexpr std::string_view kClassName = "ChannelManager";
  static const DispatchTable<ChannelManager>& dispatchTable();

  ChannelManager();
  ~ChannelManager() override;

  std::string Structure() const { return structure_; }
  void setStructure(std::string_view text) { structure_ = text; }

  // Loads the stored tree (storing the empty tree first when there is none);
  // a stored tree that does not parse loads as the empty tree.
  bool Init();
  // Stores Structure (quotes doubled, cut to 65535 units without splitting a
  // quote or a character) and loads it again.
  bool SaveConfig();
  // Deletes the channel with its whole branch: every channel's rows, then the
  // element. All or nothing: a failure leaves rows and tree as they were.
  Variant DelChannel(std::string_view ColumnPath);
  Variant DelChannel2(int32_t Columnid);
  std::string GetPath(int32_t Columnid);
  int32_t GetChannelID(std::string_view ColumnPath);
  // Recreates the element under the new name with the same id and children,
  // as the last child of its parent.
  void RenameChannel(std::string_view ColumnPath, std::string_view newname);
  std::shared_ptr<Collection> RootChannels();
  std::shared_ptr<Collection> SubChannels(std::string_view ColumnPath);
  // A top-level channel is its own parent.
  std::shared_ptr<Channel> ParentChannel(std::string_view ColumnPath);

  // For the engine and the admin tool.
  // Creates the channel row and its element under the parent path ("/" for
  // the top level); the last segment of the path is the name. Returns the id.
  int32_t AddChannel(std::string_view ChannelPath, std::string_view Template, std::string_view NameMethod);
  // What Channel.Save does to the tree: the element of the id renamed
  // (555 "Project.GetPath" "Nocolumn" when the id has none).
  void renameChannelById(int32_t id, std::string_view newname);
  // The loaded document (after Init).
  const std::shared_ptr<xml::XmlNode>& document() const { return document_; }

 private:
  void loadStructure(core::comDAL& dal);
  void storeStructure(core::comDAL& dal);
  // Runs change() on the freshly read tree inside one write transaction and
  // stores the result.
  template <class Change>
  void changeTree(Change&& change);
  void requireInit() const;
  void deleteBranch(std::shared_ptr<xml::XmlNode> element);
  void renameElement(std::shared_ptr<xml::XmlNode> element, std::string_view newname);
  std::shared_ptr<Collection> channelsOf(std::string_view xpath);

  std::string structure_;
  std::shared_ptr<xml::XmlNode> document_;
  bool storedTreeParses_ = true;
};

inline constexpr int32_t kChannelTreeError = 555;
inline constexpr size_t kStructureLimit = 65535;
inline constexpr const char* kEmptyTree = "<?xml version=\"1.0\"?><structure/>";

}  // namespace corvela::structure
