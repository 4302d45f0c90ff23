#include "publish/HtaccessFile.h"

#include "file_writing/NewFile.h"

#include <fstream>

namespace publish {

namespace {

const char* const FirstLine = "# Written by Tunemill with the player; it replaces this file at each publish.";

} // namespace

std::string htaccessText() {
    return std::string(FirstLine) + "\n" +
           R"(# Needs "AllowOverride FileInfo" (or All); mod_rewrite, mod_headers and
# mod_mime do the work where the host has them.

<IfModule mod_mime.c>
  AddType application/wasm .wasm
  AddType text/javascript .js
  # The runtime's copies keep the type of the file they copy.
  RemoveType .br .gz
  AddEncoding br .br
  AddEncoding gzip .gz
</IfModule>

# A browser that takes brotli or gzip gets the runtime's copy made for it; a
# request for a range gets the file as it is.
<IfModule mod_rewrite.c>
  RewriteEngine On
  RewriteCond %{HTTP:Range} ^$
  RewriteCond %{HTTP:Accept-Encoding} (^|[,\s])br\s*(,|;\s*q=(1|0?\.0*[1-9])|$)
  RewriteCond %{REQUEST_FILENAME}.br -f
  RewriteRule ^(.+\.(js|wasm))$ $1.br [L]
  RewriteCond %{HTTP:Range} ^$
  RewriteCond %{HTTP:Accept-Encoding} (^|[,\s])gzip\s*(,|;\s*q=(1|0?\.0*[1-9])|$)
  RewriteCond %{REQUEST_FILENAME}.gz -f
  RewriteRule ^(.+\.(js|wasm))$ $1.gz [L]
</IfModule>

<IfModule mod_headers.c>
  <FilesMatch "\.(js|wasm)(\.br|\.gz)?$">
    Header merge Vary Accept-Encoding
  </FilesMatch>
  # The player's own files change with each publish: ask each time.
  <FilesMatch "^([0-9]+\.swf|Player\.swf|Player\.htm|embed\.html|music_list\.xml|ruffle\.js(\.br|\.gz)?)$">
    Header set Cache-Control "no-cache"
  </FilesMatch>
  # A name that carries its content's hash never changes: keep it a year.
  <FilesMatch "^(core\.ruffle\.[0-9a-f]{16,}\.js|[0-9a-f]{16,}\.wasm)(\.br|\.gz)?$">
    Header set Cache-Control "public, max-age=31536000, immutable"
  </FilesMatch>
</IfModule>
)";
}

bool isTunemillHtaccess(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    return std::getline(in, line) && line == FirstLine;
}

std::error_code writeHtaccess(const std::filesystem::path& file) { return writeNewFile(file, htaccessText()); }

} // namespace publish
