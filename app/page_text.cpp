    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
#    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
"    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
x    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
"    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
#    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
"    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
m    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
"    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
#    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
"    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
x    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
"    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
m    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
v    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
v    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
P    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
L    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
A    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
v    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
w    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
k    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
'    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
\    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
'    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
+    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
+    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
m    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
!    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
0    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
&    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
&    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
m    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
&    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
&    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
-    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
>    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
R    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
q    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
S    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
L    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
v    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
<    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
>    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
P    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
L    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
L    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
v    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
<    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
>    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
v    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
0    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
'    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
\    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
'    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
!    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
'    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
\    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
'    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
m    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
k    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
-    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
+    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
1    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
P    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
L    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
m    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
S    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
L    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
m    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
"    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
P    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
"    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
+    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
m    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
+    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
"    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
"    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
M    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
m    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
L    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
m    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
S    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
L    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
m    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
"    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
P    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
"    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
+    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
m    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
v    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
T    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
k    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
O    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
U    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
M    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
k    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
&    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
v    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
<    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
S    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
>    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
&    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
/    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
/    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
E    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
m    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
w    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
U    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
M    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
k    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
w    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
!    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
U    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
M    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
k    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
U    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
M    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
k    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
!    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
U    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
M    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
k    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
>    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
k    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
+    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
-    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
>    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
k    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
+    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
-    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
U    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
M    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
k    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
D    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
T    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
x    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
M    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
k    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
D    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
T    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
x    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
&    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
T    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
x    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
E    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
D    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
T    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
x    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
v    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
+    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
/    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
1    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
6    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
0    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
w    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
<    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
'    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
\    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
'    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
v    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
w    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
+    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
-    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
>    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
0    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
h    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
k    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
'    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
\    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
'    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
+    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
+    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
I    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
A    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
L    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
1    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
!    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
&    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
&    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
T    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
x    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
E    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
L    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
1    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
|    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
|    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
!    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
I    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
V    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
U    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
8    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
&    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
&    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
U    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
M    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
k    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
!    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
v    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
w    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
L    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
1    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
A    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
L    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
1    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
A    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
U    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
8    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
g    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
T    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
k    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
O    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
U    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
M    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
k    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
+    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
L    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
1    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
A    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
L    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
1    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
A    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
U    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
8    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
{    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
b    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
+    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
1    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
f    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
8    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
=    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
Q    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
B    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
A    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
,    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
_    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
<    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
q    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
>    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
.    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
z    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
(    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
)    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
u    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
d    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
i    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
y    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
;    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
}    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
/    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
/    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
m    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
s    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
c    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
     if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
t    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
o    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
l    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
v    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
e    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
r    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
n    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
:    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
a    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
p    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }

    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
