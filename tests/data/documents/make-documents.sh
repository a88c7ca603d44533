#!/usr/bin/env bash
# Makes the office documents of the recovery tests with LibreOffice (headless)
# from flat XML sources holding the pictures of this folder:
#   photo.jpg   a camera-style JPEG that opens with its EXIF segment, large
#               enough to cross an allocation sector of a compound file
#   drawing.png a PNG of more than 8 KB, longer than one workbook record
#   small.jpg   a JFIF JPEG
# LibreOffice is needed only to remake the documents; the tests read the
# committed files. The pictures themselves are remade with ImageMagick.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

le32() {
  local value=$1
  printf "\\x$(printf %02x $((value & 255)))\\x$(printf %02x $(((value >> 8) & 255)))"
  printf "\\x$(printf %02x $(((value >> 16) & 255)))\\x$(printf %02x $(((value >> 24) & 255)))"
}

# The pictures. photo.jpg: an EXIF segment (TIFF header, one empty
# directory) put in by ImageMagick, whose JFIF APP0 segment (bytes 2 to 19)
# is then cut out, as cameras write them.
{ printf 'Exif\0\0II*\0'; le32 8; printf '\0\0'; le32 0; } > "$work/exif.app1"
convert -size 520x390 -seed 21 plasma:navy-gold -attenuate 0.4 +noise Gaussian -strip -quality 88 \
  -profile "APP1:$work/exif.app1" "$work/with-app0.jpg"
{ head -c 2 "$work/with-app0.jpg"; tail -c +21 "$work/with-app0.jpg"; } > photo.jpg
convert -size 120x90 -seed 22 plasma:green-white -colors 200 -depth 8 \
  -define png:exclude-chunks=date,time,bKGD,gAMA,cHRM drawing.png
convert -size 40x30 -seed 23 plasma:red-blue -strip -quality 75 small.jpg

frame() {   # frame NAME FILE: a picture frame holding the file's bytes
  printf '<draw:frame draw:name="%s" text:anchor-type="as-char" svg:width="6cm" svg:height="4.5cm">' "$1"
  printf '<draw:image><office:binary-data>%s</office:binary-data></draw:image></draw:frame>' \
    "$(base64 -w0 "$2")"
}

namespaces='xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
 xmlns:presentation="urn:oasis:names:tc:opendocument:xmlns:presentation:1.0"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 xmlns:xlink="http://www.w3.org/1999/xlink" office:version="1.3"'

text_document() {   # text_document FILE [PICTURES...]
  local file=$1; shift
  {
    echo "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    echo "<office:document $namespaces office:mimetype=\"application/vnd.oasis.opendocument.text\">"
    echo "<office:body><office:text>"
    echo "<text:p>Pictures are kept between the words of this document.</text:p>"
    local picture
    for picture in "$@"; do
      echo "<text:p>Before the picture $picture: $(frame "$picture" "$picture")</text:p>"
    done
    echo "<text:p>The end.</text:p>"
    echo "</office:text></office:body></office:document>"
  } > "$work/$file"
}

# The photo comes last: in the Word document it then runs across the second
# allocation table sector, which the writer puts at sector 128 once the file
# grows past 64 KB.
text_document pictures.fodt drawing.png small.jpg photo.jpg
# RTF keeps a bitmap copy of each picture beside it: small pictures keep it small.
text_document rtf.fodt small.jpg drawing.png
text_document plain.fodt

{
  echo "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
  echo "<office:document $namespaces office:mimetype=\"application/vnd.oasis.opendocument.spreadsheet\">"
  echo "<office:body><office:spreadsheet><table:table table:name=\"Sheet1\"><table:table-row>"
  echo "<table:table-cell><text:p>Figures</text:p>$(frame drawing drawing.png | sed 's/text:anchor-type="as-char" //')</table:table-cell>"
  echo "<table:table-cell><text:p>Photo</text:p>$(frame photo photo.jpg | sed 's/text:anchor-type="as-char" //')</table:table-cell>"
  echo "</table:table-row></table:table></office:spreadsheet></office:body></office:document>"
} > "$work/pictures.fods"

{
  echo "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
  echo "<office:document $namespaces office:mimetype=\"application/vnd.oasis.opendocument.presentation\">"
  echo "<office:body><office:presentation>"
  echo "<draw:page draw:name=\"one\">$(frame photo photo.jpg | sed 's/text:anchor-type="as-char" /svg:x="1cm" svg:y="1cm" /')</draw:page>"
  echo "<draw:page draw:name=\"two\">$(frame drawing drawing.png | sed 's/text:anchor-type="as-char" /svg:x="1cm" svg:y="1cm" /')</draw:page>"
  echo "</office:presentation></office:body></office:document>"
} > "$work/pictures.fodp"

convert_to() {   # convert_to FILTER SOURCE
  soffice --headless --norestore "-env:UserInstallation=file://$work/profile" \
    --convert-to "$1" --outdir "$work/out" "$work/$2" >/dev/null 2>&1
}

for format in doc docx odt; do convert_to "$format" pictures.fodt; done
convert_to rtf rtf.fodt
for format in docx doc; do convert_to "$format" plain.fodt; done
for format in xls xlsx; do convert_to "$format" pictures.fods; done
for format in pptx odp; do convert_to "$format" pictures.fodp; done

cp "$work/out/pictures.doc" word97.doc
cp "$work/out/pictures.docx" word.docx
cp "$work/out/pictures.odt" writer.odt
# RTF is often saved under a .doc name.
cp "$work/out/rtf.rtf" rtf-named.doc
cp "$work/out/plain.docx" no-pictures.docx
cp "$work/out/plain.doc" no-pictures.doc
cp "$work/out/pictures.xls" excel97.xls
cp "$work/out/pictures.xlsx" excel.xlsx
cp "$work/out/pictures.pptx" slides.pptx
cp "$work/out/pictures.odp" impress.odp

# The thumbnails LibreOffice puts into its own packages, as stored there.
unzip -p writer.odt Thumbnails/thumbnail.png > writer-thumbnail.png
unzip -p impress.odp Thumbnails/thumbnail.png > impress-thumbnail.png
