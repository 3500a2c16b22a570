-- Corvela database schema for SQLite.
--
-- Every statement is CREATE ... IF NOT EXISTS, so applying the file to an
-- existing database adds what is missing and changes nothing else.
--
-- Conventions:
--   * Text columns are COLLATE NOCASE: "=" , ORDER BY and MIN/MAX on text
--     ignore letter case, as SQL Server's default collation did. Lengths
--     are the limits the engine cuts text to before saving; SQLite does not
--     enforce them, the engine does.
--   * Date-times are DATETIME columns holding 'YYYY-MM-DD HH:MM:SS' text,
--     zero-padded, so text order is time order.
--   * Keys come from the IDManager counters (allocateId); there is no
--     AUTOINCREMENT anywhere.
--   * Booleans are INTEGER 1 / 0.

-- Id counters: the next id to hand out per name.
CREATE TABLE IF NOT EXISTS IDManager (
  tablename VARCHAR(50) COLLATE NOCASE PRIMARY KEY,
  id INTEGER NOT NULL
);

-- System log, tips and server-side named values.
CREATE TABLE IF NOT EXISTS SysLog (
  logid INTEGER PRIMARY KEY,
  logtype SMALLINT,
  logtime DATETIME,
  source VARCHAR(255) COLLATE NOCASE,
  logcatalog SMALLINT,
  username VARCHAR(50) COLLATE NOCASE,
  description TEXT COLLATE NOCASE
);
CREATE INDEX IF NOT EXISTS SysLog_logtype ON SysLog (logtype);

CREATE TABLE IF NOT EXISTS tips (
  tid INTEGER PRIMARY KEY,
  tip TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS ServerCookie (
  id INTEGER PRIMARY KEY,
  name VARCHAR(255) COLLATE NOCASE,
  cookie VARCHAR(255) COLLATE NOCASE
);
CREATE INDEX IF NOT EXISTS ServerCookie_name ON ServerCookie (name);

-- Site structure: the channel tree document, channels, columns, schemas,
-- access entries, magazines and issues.
CREATE TABLE IF NOT EXISTS cms_channels (
  id INTEGER PRIMARY KEY,
  structure TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS cms_channel (
  id INTEGER PRIMARY KEY,
  name VARCHAR(50) COLLATE NOCASE,
  alias VARCHAR(255) COLLATE NOCASE,
  template VARCHAR(100) COLLATE NOCASE,
  namemethod VARCHAR(255) COLLATE NOCASE,
  indextemplate VARCHAR(255) COLLATE NOCASE,
  indexpath VARCHAR(255) COLLATE NOCASE,
  uploaddir VARCHAR(255) COLLATE NOCASE,
  indexpagesize INTEGER,
  reservedays INTEGER,
  isopen INTEGER
);

CREATE TABLE IF NOT EXISTS cms_column (
  id INTEGER PRIMARY KEY,
  name VARCHAR(50) COLLATE NOCASE,
  alias VARCHAR(255) COLLATE NOCASE,
  directory VARCHAR(500) COLLATE NOCASE,
  template VARCHAR(500) COLLATE NOCASE,
  namemethod VARCHAR(255) COLLATE NOCASE,
  indextemplate VARCHAR(500) COLLATE NOCASE,
  indexpage VARCHAR(255) COLLATE NOCASE,
  uploaddir VARCHAR(255) COLLATE NOCASE,
  isopen INTEGER,
  magazineid INTEGER
);
CREATE INDEX IF NOT EXISTS cms_column_magazineid ON cms_column (magazineid);

CREATE TABLE IF NOT EXISTS ChannelSchema (
  PropertyID INTEGER PRIMARY KEY,
  Channelid INTEGER,
  PropertyName VARCHAR(50) COLLATE NOCASE,
  Alias VARCHAR(255) COLLATE NOCASE,
  PropertyType VARCHAR(20) COLLATE NOCASE,
  InputType VARCHAR(20) COLLATE NOCASE,
  Options VARCHAR(255) COLLATE NOCASE
);
CREATE INDEX IF NOT EXISTS ChannelSchema_Channelid ON ChannelSchema (Channelid);

CREATE TABLE IF NOT EXISTS ChannelSchema2 (
  ChannelID INTEGER PRIMARY KEY,
  Ext1 VARCHAR(255) COLLATE NOCASE,
  Ext2 VARCHAR(255) COLLATE NOCASE,
  Ext3 VARCHAR(255) COLLATE NOCASE,
  Ext4 VARCHAR(255) COLLATE NOCASE,
  Ext5 VARCHAR(255) COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS cms_acl (
  id INTEGER PRIMARY KEY,
  resource VARCHAR(255) COLLATE NOCASE,
  userid VARCHAR(50) COLLATE NOCASE
);
CREATE INDEX IF NOT EXISTS cms_acl_resource ON cms_acl (resource, userid);
CREATE INDEX IF NOT EXISTS cms_acl_userid ON cms_acl (userid);

CREATE TABLE IF NOT EXISTS Magazine (
  id INTEGER PRIMARY KEY,
  name VARCHAR(50) COLLATE NOCASE,
  alias VARCHAR(255) COLLATE NOCASE,
  directory VARCHAR(500) COLLATE NOCASE,
  coverpage VARCHAR(500) COLLATE NOCASE,
  covertemplate VARCHAR(500) COLLATE NOCASE,
  indexpage VARCHAR(500) COLLATE NOCASE,
  indextemplate VARCHAR(500) COLLATE NOCASE,
  coverpicture VARCHAR(500) COLLATE NOCASE,
  isopen INTEGER,
  currentyear VARCHAR(50) COLLATE NOCASE,
  currentissue VARCHAR(50) COLLATE NOCASE,
  currentissueid INTEGER,
  extProperty TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS Issue (
  id INTEGER PRIMARY KEY,
  issueyear VARCHAR(50) COLLATE NOCASE NOT NULL,
  issuenumber VARCHAR(50) COLLATE NOCASE NOT NULL,
  coverpicture VARCHAR(500) COLLATE NOCASE,
  publishdate DATETIME,
  createdate DATETIME,
  status INTEGER,
  magazineid INTEGER,
  Description TEXT COLLATE NOCASE,
  ExtProperty TEXT COLLATE NOCASE
);
CREATE INDEX IF NOT EXISTS Issue_magazineid ON Issue (magazineid, issueyear, issuenumber);

-- Content: articles, their properties, search rows, pages, attachments,
-- votes, comments and site versions.
CREATE TABLE IF NOT EXISTS cms_content (
  id INTEGER PRIMARY KEY,
  columnid INTEGER,
  title VARCHAR(255) COLLATE NOCASE,
  author VARCHAR(50) COLLATE NOCASE,
  submitdate DATETIME,
  status INTEGER,
  relativearticle TEXT COLLATE NOCASE,
  USN INTEGER,
  PSN INTEGER,
  putintopx VARCHAR(1) COLLATE NOCASE,
  isimagenews VARCHAR(1) COLLATE NOCASE,
  issueid INTEGER,
  publishdate DATETIME,
  clicks INTEGER,
  keyword VARCHAR(255) COLLATE NOCASE
);
CREATE INDEX IF NOT EXISTS cms_content_columnid ON cms_content (columnid, status, USN);
CREATE INDEX IF NOT EXISTS cms_content_issueid ON cms_content (issueid);

CREATE TABLE IF NOT EXISTS ContentProperty (
  ValueID INTEGER PRIMARY KEY,
  PropertyID INTEGER,
  ContentID INTEGER,
  BOOLEAN_VALUE INTEGER,
  NUMBER_VALUE NUMERIC,
  DOUBLE_VALUE FLOAT,
  STRING_VALUE VARCHAR(255) COLLATE NOCASE,
  DATETIME_VALUE DATETIME,
  TEXT_VALUE TEXT COLLATE NOCASE
);
CREATE INDEX IF NOT EXISTS ContentProperty_ContentID ON ContentProperty (ContentID, PropertyID);

CREATE TABLE IF NOT EXISTS SearchMetadata (
  ContentID INTEGER PRIMARY KEY,
  ChannelPath VARCHAR(255) COLLATE NOCASE,
  Title VARCHAR(255) COLLATE NOCASE,
  Summary TEXT COLLATE NOCASE,
  FilePath VARCHAR(255) COLLATE NOCASE,
  Submitdate DATETIME,
  Points INTEGER,
  Clicks INTEGER,
  MetaData TEXT COLLATE NOCASE
);
CREATE INDEX IF NOT EXISTS SearchMetadata_FilePath ON SearchMetadata (FilePath);

CREATE TABLE IF NOT EXISTS cms_pages (
  pageid INTEGER PRIMARY KEY,
  pagenum INTEGER,
  filename VARCHAR(255) COLLATE NOCASE,
  contentid INTEGER,
  content TEXT COLLATE NOCASE
);
CREATE INDEX IF NOT EXISTS cms_pages_contentid ON cms_pages (contentid, pagenum);

CREATE TABLE IF NOT EXISTS cms_attach (
  id INTEGER PRIMARY KEY,
  template VARCHAR(255) COLLATE NOCASE,
  filename VARCHAR(255) COLLATE NOCASE,
  columnid INTEGER
);
CREATE INDEX IF NOT EXISTS cms_attach_columnid ON cms_attach (columnid);

CREATE TABLE IF NOT EXISTS Vote (
  id INTEGER PRIMARY KEY,
  Contentid INTEGER,
  Score SMALLINT,
  ip VARCHAR(50) COLLATE NOCASE,
  LastVote DATETIME
);
CREATE INDEX IF NOT EXISTS Vote_Contentid ON Vote (Contentid, ip);

CREATE TABLE IF NOT EXISTS Comment (
  id INTEGER PRIMARY KEY,
  Contentid INTEGER,
  ip VARCHAR(50) COLLATE NOCASE,
  LastPost DATETIME,
  UserName VARCHAR(50) COLLATE NOCASE,
  Comment TEXT COLLATE NOCASE
);
CREATE INDEX IF NOT EXISTS Comment_Contentid ON Comment (Contentid, ip);

CREATE TABLE IF NOT EXISTS Version (
  id INTEGER PRIMARY KEY,
  CreateDate DATETIME,
  Status INTEGER,
  OrderNum INTEGER
);

CREATE TABLE IF NOT EXISTS VersionFile (
  id INTEGER PRIMARY KEY,
  VersionID INTEGER,
  Uri VARCHAR(255) COLLATE NOCASE,
  CreateDate DATETIME
);
CREATE INDEX IF NOT EXISTS VersionFile_VersionID ON VersionFile (VersionID, Uri);

-- Site files: titles and locks.
CREATE TABLE IF NOT EXISTS cms_fileattribute (
  id INTEGER PRIMARY KEY,
  filename VARCHAR(255) COLLATE NOCASE,
  title VARCHAR(255) COLLATE NOCASE,
  lockedby VARCHAR(50) COLLATE NOCASE
);
CREATE INDEX IF NOT EXISTS cms_fileattribute_filename ON cms_fileattribute (filename);

-- Users, roles and login sessions.
CREATE TABLE IF NOT EXISTS user_users (
  userid INTEGER PRIMARY KEY,
  username VARCHAR(25) COLLATE NOCASE,
  password VARCHAR(255) COLLATE NOCASE,
  attributes TEXT COLLATE NOCASE
);
-- One account per name (compared without case, as logins compare it): two
-- pages saving one new name at once cannot both succeed. Replaces the plain
-- index of earlier databases.
DROP INDEX IF EXISTS user_users_username;
CREATE UNIQUE INDEX IF NOT EXISTS user_users_name ON user_users (username);

CREATE TABLE IF NOT EXISTS userrole (
  urid INTEGER PRIMARY KEY,
  userid INTEGER,
  roleid INTEGER
);
CREATE INDEX IF NOT EXISTS userrole_userid ON userrole (userid);

CREATE TABLE IF NOT EXISTS UserManager (
  id INTEGER PRIMARY KEY,
  UMName VARCHAR(50) COLLATE NOCASE,
  SessionID VARCHAR(255) COLLATE NOCASE,
  UserID INTEGER,
  UserName VARCHAR(50) COLLATE NOCASE,
  LastUpdated DATETIME
);
CREATE INDEX IF NOT EXISTS UserManager_SessionID ON UserManager (SessionID, UMName);

-- Deployment: tasks, scan requests, the service log, the scanner's
-- snapshot and the execution queue.
CREATE TABLE IF NOT EXISTS dep_task (
  id INTEGER PRIMARY KEY,
  directory VARCHAR(255) COLLATE NOCASE,
  target VARCHAR(255) COLLATE NOCASE,
  method VARCHAR(10) COLLATE NOCASE,
  server VARCHAR(255) COLLATE NOCASE,
  port INTEGER,
  username VARCHAR(100) COLLATE NOCASE,
  password VARCHAR(100) COLLATE NOCASE,
  active VARCHAR(1) COLLATE NOCASE,
  begintime DATETIME,
  frequency INTEGER
);

CREATE TABLE IF NOT EXISTS dep_scan (
  id INTEGER PRIMARY KEY,
  taskid INTEGER
);

CREATE TABLE IF NOT EXISTS dep_log (
  id INTEGER PRIMARY KEY,
  edesc TEXT COLLATE NOCASE,
  edate DATETIME
);

CREATE TABLE IF NOT EXISTS dep_record (
  id INTEGER PRIMARY KEY,
  taskid INTEGER,
  path VARCHAR(500) COLLATE NOCASE,
  sourcetype VARCHAR(10) COLLATE NOCASE,
  lastupdated DATETIME,
  deletetag VARCHAR(1) COLLATE NOCASE
);
CREATE INDEX IF NOT EXISTS dep_record_taskid ON dep_record (taskid, path);

CREATE TABLE IF NOT EXISTS dep_execution (
  id INTEGER PRIMARY KEY,
  source VARCHAR(500) COLLATE NOCASE,
  target VARCHAR(500) COLLATE NOCASE,
  sourcetype VARCHAR(10) COLLATE NOCASE,
  method VARCHAR(10) COLLATE NOCASE,
  server VARCHAR(255) COLLATE NOCASE,
  port INTEGER,
  username VARCHAR(100) COLLATE NOCASE,
  password VARCHAR(100) COLLATE NOCASE,
  operation VARCHAR(10) COLLATE NOCASE,
  status INTEGER
);

-- Content collection agents and their elements.
CREATE TABLE IF NOT EXISTS CCAgent (
  id INTEGER PRIMARY KEY,
  SourceURL VARCHAR(500) COLLATE NOCASE,
  Frequence INTEGER,
  NextTime DATETIME,
  Template VARCHAR(255) COLLATE NOCASE,
  FileName VARCHAR(255) COLLATE NOCASE,
  CreateTime DATETIME,
  Status SMALLINT
);

CREATE TABLE IF NOT EXISTS CCElement (
  id INTEGER PRIMARY KEY,
  AgentID INTEGER,
  DOMPath VARCHAR(500) COLLATE NOCASE,
  TextHTML SMALLINT,
  FieldName VARCHAR(50) COLLATE NOCASE,
  ElementValue TEXT COLLATE NOCASE
);
CREATE INDEX IF NOT EXISTS CCElement_AgentID ON CCElement (AgentID);
