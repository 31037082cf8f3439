[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"empty.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<emptyUtils>
[cc.main.begin] mainclass=<empty>
[cc.main.stubout] mainclass=<empty>
[cc.main.end] mainclass=<empty>
[cc.class.end]
[cc.end]
