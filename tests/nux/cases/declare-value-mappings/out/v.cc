[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"v.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<vUtils>
[cc.declare.value] arg_type=<int> arg_name=<n>
[cc.declare.value] arg_type=<Util.counter_t> arg_name=<c>
[cc.declare.value] arg_type=<Widget> arg_name=<w>
[cc.declare.value] arg_type=<Object> arg_name=<o>
[cc.main.begin] mainclass=<v>
[cc.declare.value] arg_type=<int> arg_name=<inside>
[cc.main.end] mainclass=<v>
[cc.class.end]
[cc.end]
