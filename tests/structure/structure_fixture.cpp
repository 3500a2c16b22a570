// StructureTest helpers.
#include "structure_fixture.h"

#include "structure/channel.h"
#include "structure/channel_manager.h"
#include "structure/column.h"

namespace corvela::structure {

int32_t StructureTest::newChannel(const std::string& name) {
  Channel channel;
  channel.setName(name);
  channel.setTemplate("/t/article.htm");
  channel.setNameMethod("/n/{@uid}.htm");
  channel.Save();
  return channel.ID();
}

int32_t StructureTest::newColumn(const std::string& name, int32_t magazineId) {
  Column column;
  column.setName(name);
  column.setTemplate("/t.htm");
  column.setDirectory("/d");
  column.setNameMethod("/n.htm");
  column.setMagazineID(magazineId);
  column.Save();
  return column.ID();
}

void StructureTest::storeTree(const std::string& structure) {
  ChannelManager tree;
  tree.setStructure(structure);
  tree.SaveConfig();
}

void StructureTest::addSectionRows(int32_t sectionId, int32_t contentId, int32_t status) {
  std::string s = std::to_string(sectionId), c = std::to_string(contentId);
  sql("INSERT INTO cms_content (id,columnid,status,title) VALUES (" + c + "," + s + "," + std::to_string(status) +
      ",'t')");
  sql("INSERT INTO cms_pages (pageid,contentid,pagenum,content) VALUES (" + c + "," + c + ",1,'p')");
  sql("INSERT INTO ContentProperty (ValueID,ContentID,PropertyID) VALUES (" + c + "," + c + ",1)");
  sql("INSERT INTO SearchMetadata (ContentID,Title) VALUES (" + c + ",'t')");
  sql("INSERT INTO ChannelSchema (PropertyID,Channelid,PropertyName) VALUES (" + c + "," + s + ",'P" + c + "')");
  sql("INSERT INTO cms_attach (id,columnid,filename) VALUES (" + c + "," + s + ",'f')");
  sql("INSERT INTO cms_acl (id,resource,userid) VALUES (" + c + ",'CHANNEL_" + s + "','u')");
}

int StructureTest::countSectionRows(int32_t sectionId, int32_t contentId) {
  std::string s = std::to_string(sectionId), c = std::to_string(contentId);
  int total = 0;
  for (const std::string& query :
       {"SELECT count(*) FROM cms_content WHERE columnid=" + s, "SELECT count(*) FROM cms_pages WHERE contentid=" + c,
        "SELECT count(*) FROM ContentProperty WHERE ContentID=" + c,
        "SELECT count(*) FROM SearchMetadata WHERE ContentID=" + c,
        "SELECT count(*) FROM ChannelSchema WHERE Channelid=" + s,
        "SELECT count(*) FROM cms_attach WHERE columnid=" + s,
        "SELECT count(*) FROM cms_acl WHERE resource='CHANNEL_" + s + "'"})
    total += std::stoi(scalar(query));
  return total;
}

}  // namespace corvela::structure
