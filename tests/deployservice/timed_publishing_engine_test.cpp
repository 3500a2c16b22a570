// Timed publishing against the real engine: a due article of a sub-channel
// is published and its channel's index page written through the engine's
// own ChannelManager and Channel.GenerateIndex.
#include <gtest/gtest.h>

#include "deploy_fixture.h"
#include "deployservice/timed_publishing.h"

namespace corvela::deployservice {
namespace {

class TimedPublishingEngineTest : public testing::DeployServiceTest {};

TEST_F(TimedPublishingEngineTest, PublishesDueArticlesAndWritesTheirIndex) {
  // The tree /News (1) with /News/Sport (2), stored as the engine keeps it.
  sql("INSERT INTO cms_channels (id,structure) VALUES (1,'<?xml version=\"1.0\"?><structure><News id=\"1\">"
      "<Sport id=\"2\"/></News></structure>')");
  sql("INSERT INTO cms_channel (id,name,template,namemethod,indextemplate,indexpath,indexpagesize,reservedays,isopen) "
      "VALUES (1,'News','/t/a.htm','/x/{@uid}.htm','/t/index.htm','/news/index.htm',20,7,1),"
      "(2,'Sport','/t/a.htm','/x/{@uid}.htm','/t/index.htm','/sport/index.htm',20,7,1)");
  const int sport = 2;
  write(site() / "t" / "index.htm",
        "<!--% For Each l In Channel.TOC.AllLinks : Response.Output l.Title & \";\" : Next %-->");
  sql("INSERT INTO cms_content (id,columnid,title,status,USN,publishdate) VALUES (1," + std::to_string(sport) +
      ",'due',3,1,'2003-01-05 09:00:00'),(2," + std::to_string(sport) + ",'later',3,2,'2999-01-01 00:00:00')");
  sql("INSERT INTO cms_pages (pageid,pagenum,filename,contentid) VALUES (1,1,'/sport/1.htm',1),(2,1,'/sport/2.htm',2)");

  TimedPublishing(context_).runPass();

  EXPECT_EQ(scalar("SELECT group_concat(status, '') FROM (SELECT status FROM cms_content ORDER BY id)"), "53");
  EXPECT_EQ(read(site() / "sport" / "index.htm"), "due;");
}

}  // namespace
}  // namespace corvela::deployservice
