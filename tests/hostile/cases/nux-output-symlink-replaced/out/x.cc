[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"x.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<xUtils>
[cc.main.begin] mainclass=<x>
[cc.print] value=< "hello">
[cc.main.end] mainclass=<x>
[cc.class.end]
[cc.end]
