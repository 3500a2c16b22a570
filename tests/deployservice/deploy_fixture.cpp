#include "deploy_fixture.h"

#include <fstream>

#include "core/sql_literals.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace corvela::testing {

DeployServiceTest::DeployServiceTest() {
  std::filesystem::create_directories(site());
  std::filesystem::create_directories(mirror());
}

int DeployServiceTest::addTask(const std::string& directory, const std::string& target, const std::string& method,
                               const std::string& server, int port, const std::string& user,
                               const std::string& password) {
  auto task = createObject("Corvela.DeployTask");
  task->let("Directory", Variant(directory));
  task->let("Target", Variant(target));
  task->let("Method", Variant(method));
  task->let("Server", Variant(server));
  task->let("Port", Variant(int32_t{port}));
  task->let("Username", Variant(user));
  task->let("Password", Variant(password));
  task->call("Save");
  return task->get("ID").toLong();
}

void DeployServiceTest::requestScan(int taskId) {
  int next = std::stoi("0" + scalar("SELECT max(id) FROM dep_scan")) + 1;
  sql("INSERT INTO dep_scan (id,taskid) VALUES (" + std::to_string(next) + "," + std::to_string(taskId) + ")");
}

void DeployServiceTest::queueRow(int id, const std::string& source, const std::string& target,
                                 const std::string& sourceType, const std::string& method,
                                 const std::string& operation, int status, const std::string& server, int port,
                                 const std::string& user, const std::string& password) {
  auto quoted = core::quotedSqlText;
  sql("INSERT INTO dep_execution (id,source,target,sourcetype,method,server,port,username,password,operation,status) "
      "VALUES (" + std::to_string(id) + "," + quoted(source) + "," + quoted(target) + "," + quoted(sourceType) + "," +
      quoted(method) + "," + quoted(server) + "," + std::to_string(port) + "," + quoted(user) + "," +
      quoted(password) + "," + quoted(operation) + "," + std::to_string(status) + ")");
  // Ids handed out by the engine must not collide with these.
  sql("INSERT OR REPLACE INTO IDManager (tablename, id) VALUES ('dep_execution', " + std::to_string(id + 1000) + ")");
}

std::vector<std::string> DeployServiceTest::queue() {
  db::Connection connection(connString());
  auto rs = connection.query("SELECT * FROM dep_execution ORDER BY id");
  std::vector<std::string> rows;
  for (; !rs->eof(); rs->moveNext()) {
    rows.push_back(rs->value("sourcetype").toString() + " " + rs->value("operation").toString() + " " +
                   rs->value("target").toString() + " " + rs->value("source").toString() + " " +
                   rs->value("status").toString());
  }
  return rows;
}

std::vector<std::string> DeployServiceTest::logTexts() {
  db::Connection connection(connString());
  auto rs = connection.query("SELECT edesc FROM dep_log ORDER BY id");
  std::vector<std::string> texts;
  for (; !rs->eof(); rs->moveNext()) texts.push_back(rs->value(size_t{0}).toString());
  return texts;
}

std::vector<std::string> DeployServiceTest::snapshotsLeft() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(tempDir()))
    names.push_back(entry.path().filename().string());
  return names;
}

void DeployServiceTest::write(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string DeployServiceTest::snapshot(const std::string& name, const std::string& text) {
  std::string path = tempDir() + "/" + name;
  write(path, text);
  return path;
}

void DeployServiceTest::touch(const std::filesystem::path& path, int seconds) {
  std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(seconds));
}

}  // namespace corvela::testing
