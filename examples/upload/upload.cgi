#!/bin/sh
# A CGI program that receives a file upload form (see upload.vbs). Put it
# where the web server runs CGI programs, with `corvela` on the PATH and the
# registry that `corvela init` wrote reachable ($CORVELA_REGISTRY when it is
# not the default). UPLOAD_FOLDER names the folder the files go to.
exec corvela run "$(dirname "$0")/upload.vbs" "${UPLOAD_FOLDER:-/var/lib/corvela/uploads}"
