[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"x_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<x_iUtils>
[hh.include.idl] idl_basename=<x>
[hh.declare.include] interface_name=<A> server_identifier=<a> hhfile=<x.hh>
[hh.declare] interface_name=<A> server_identifier=<a>
[hh.declare.include] interface_name=<A> server_identifier=<b> hhfile=<x.hh>
[hh.declare] interface_name=<A> server_identifier=<b>
[hh.clone] return_type=<ret(NT_interface A)> arg_type=<in(NT_interface A)> interface_name=<A> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface A)> arg_type=<in(NT_interface A)> interface_name=<A> define_id=<DEFINE_ID> altdefid=<ALTDEFID>

[hh.class.begin] class_name=<A_i>
[hh.class.members.begin] class_name=<A_i>
[hh.class.constructor.begin] return_type=<> function_name=<A_i> class_name=<A_i>
[hh.class.member.end] class_name=<A_i>
[hh.class.member.begin] return_type=<void> function_name=<f> class_name=<A_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<A_i>
[hh.class.member.begin] return_type=<ret(long)> function_name=<g> class_name=<A_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<n>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<A_i>
[hh.class.end] class_name=<A_i>
[hh.end] header_check=<hTIMEhPIDhN_h>
