[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"v.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<vUtils>
[hh.declare.value] arg_type=<int> arg_name=<n>
[hh.declare.value] arg_type=<Util.counter_t> arg_name=<c>
[hh.declare.value] arg_type=<Widget> arg_name=<w>
[hh.declare.value] arg_type=<Object> arg_name=<o>
[hh.declare.value] arg_type=<int> arg_name=<inside>

[hh.end] header_check=<hTIMEhPIDhN_h>
