[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"calc_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<calc_iUtils>
[hh.include.idl] idl_basename=<calc>
[hh.declare] interface_name=<M.Calc> server_identifier=<calc>
[hh.clone] return_type=<M::Named> arg_type=<M::Named> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<M::Named> arg_type=<M::Named> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.struct] make_type=<M_Named> return_type=<ret(NT_struct_fixed M::Named)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_string local type)> arg_name=<arg2>
>
[hh.compare] return_type=<M::Named> arg_type=<M::Named> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_interface M::Calc)> arg_type=<in(NT_interface M::Calc)> interface_name=<M::Calc> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface M::Calc)> arg_type=<in(NT_interface M::Calc)> interface_name=<M::Calc> define_id=<DEFINE_ID> altdefid=<ALTDEFID>

[hh.module.begin] module_name=<M_i>
[hh.class.begin] class_name=<M_Calc_i>
[hh.class.members.begin] class_name=<M_Calc_i>
[hh.class.constructor.begin] return_type=<> function_name=<M_Calc_i> class_name=<M_Calc_i>
[hh.class.member.end] class_name=<M_Calc_i>
[hh.class.member.begin] return_type=<ret(long)> function_name=<f> class_name=<M_Calc_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<a>
[cchh.arglist.separator]
[cchh.argument] arg_type=<out(long)> arg_name=<b>
[cchh.arglist.separator]
[cchh.argument] arg_type=<inout(long)> arg_name=<c>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<M_Calc_i>
[hh.class.member.begin] return_type=<void> function_name=<g> class_name=<M_Calc_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<out(NT_struct M.Named)> arg_name=<n>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<M_Calc_i>
[hh.class.member.begin] return_type=<ret(NT_struct M.Named)> function_name=<h> class_name=<M_Calc_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<M_Calc_i>
[hh.class.member.begin] return_type=<void> function_name=<take> class_name=<M_Calc_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(NT_string local type)> arg_name=<s>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_interface M.Calc)> arg_name=<other>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<M_Calc_i>
[hh.class.end] class_name=<M_Calc_i>
[hh.module.end] module_name=<M_i>
[hh.end] header_check=<hTIMEhPIDhN_h>
