[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"x.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<xUtils>
[cc.declare.value] arg_type=<ret(long)> arg_name=<count>
[cc.declare.value] arg_type=<ret(long)> arg_name=<g>
[cc.main.begin] mainclass=<x>
[cc.println] value=< "say \"count\" " << g_count << g_g << '"' << g_count>
[cc.main.end] mainclass=<x>
[cc.class.end]
[cc.end]
