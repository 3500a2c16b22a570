// Writing rows of the deployment queue (dep_execution).
#pragma once

#include <cstdint>
#include <string>

namespace corvela::deployservice {

struct QueueRow {
  std::string method, server;
  int32_t port = 21;
  std::string user, password, source, target, sourceType, operation;
  int32_t status = 1;  // 1 first attempt, 2 retry, 3 attempts used up
};

// Inserts the row under newID("dep_execution"); the five texts that come
// from outside (source, target, server, user, password) are quoted, and an
// empty one is stored as " ".
void QueueExecution(const QueueRow& row);

}  // namespace corvela::deployservice
