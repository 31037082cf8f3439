[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"env_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<env_iUtils>
[hh.include.idl] idl_basename=<env>
[hh.clone] return_type=<ret(NT_interface Plain)> arg_type=<in(NT_interface Plain)> interface_name=<Plain> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface Plain)> arg_type=<in(NT_interface Plain)> interface_name=<Plain> define_id=<DEFINE_ID> altdefid=<ALTDEFID>

[hh.class.begin] class_name=<Plain_i>
[hh.class.members.begin] class_name=<Plain_i>
[hh.class.constructor.begin] return_type=<> function_name=<Plain_i> class_name=<Plain_i>
[hh.class.member.end] class_name=<Plain_i>
[hh.class.member.begin] return_type=<void> function_name=<none> class_name=<Plain_i>
[hh.arglist] arglist=<>
[hh.class.member.end] class_name=<Plain_i>
[hh.class.member.begin] return_type=<void> function_name=<one> class_name=<Plain_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<a>
>
[hh.class.member.end] class_name=<Plain_i>
[hh.class.member.begin] return_type=<ret(long)> function_name=<value> class_name=<Plain_i>
[hh.arglist] arglist=<>
[hh.class.member.end] class_name=<Plain_i>
[hh.class.member.begin] return_type=<void> function_name=<value> class_name=<Plain_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<value>
>
[hh.class.member.end] class_name=<Plain_i>
[hh.class.end] class_name=<Plain_i>
[hh.end] header_check=<hTIMEhPIDhN_h>
