[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"a_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<a_iUtils>
[cc.main.begin] mainclass=<a_i>
[cc.main.stubout] mainclass=<a_i>
[cc.main.end] mainclass=<a_i>
[cc.class.end]
[cc.end]
